#include "help/ui/QtHelpEngine.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QVariant>
#include <QWindow>
#include <QWidget>

#include "help/ContextIDs.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpViewer.h"
#include "widgets/OwnedWindow.h"

// Resources are initialised outside any namespace (Q_INIT_RESOURCE's rule).
static void RegisterHelpResources() { Q_INIT_RESOURCE(tessamo_help); }

namespace tessamo {
namespace {

QtHelpEngine* Engine() {
    QCoreApplication* app = QCoreApplication::instance();
    return app ? app->findChild<QtHelpEngine*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The folder part of a page path (":/help/x.html" gives ":/help").
QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(QLatin1Char('/'))); }

}  // namespace

void InitHelpResources() {
    static const bool registered = (RegisterHelpResources(), true);
    (void)registered;
}

QtHelpEngine::QtHelpEngine(ContextIDs& help) : QObject(QCoreApplication::instance()), help_(help) {
    InitHelpResources();
    setObjectName(QStringLiteral("HelpEngine"));
    QCoreApplication::instance()->installEventFilter(this);
}

QtHelpEngine::~QtHelpEngine() { delete viewer_.data(); }

Status QtHelpEngine::ShowPage(const std::string& pagePath) {
    const QString path = QString::fromStdString(pagePath);
    if (!QFile::exists(path)) return Status::NotFound(pagePath, "no such help page");
    if (!viewer_) {
        viewer_ = new HelpViewer(FolderOf(path));
        PlaceOverOwner(QApplication::activeWindow(), viewer_);
    }
    viewer_->ShowPage(path);
    // Over a modal dialog (Automatic backups) the viewer must be the dialog's
    // transient window: the window manager then stacks it above the dialog,
    // and the dialog's modality does not block it.
    viewer_->winId();
    QWidget* modal = QApplication::activeModalWidget();
    viewer_->windowHandle()->setTransientParent(modal && modal != viewer_ ? modal->windowHandle() : nullptr);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return Status::Ok();
}

HelpViewer* QtHelpEngine::Viewer() const { return viewer_.data(); }

void QtHelpEngine::Quit() {
    if (viewer_) viewer_->close();
}

std::string QtHelpEngine::TopicOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant own = w->property(kHelpTopicProperty);
        if (own.isValid() && !own.toString().isEmpty()) return own.toString().toStdString();
        const std::string topic = TopicOfWindow(w->objectName().toStdString());
        if (!topic.empty()) return topic;
    }
    return ContextIDs::kContentsTopic;
}

bool QtHelpEngine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            const QWidget* from = QApplication::focusWidget();
            if (!from) from = qobject_cast<const QWidget*>(watched);
            help_.ShowTopic(TopicOf(from));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ShowHelpTopic(const std::string& topic) {
    QtHelpEngine* engine = Engine();
    if (!engine) return false;
    engine->Help().ShowTopic(topic);
    return true;
}

bool ShowHelpFor(const QWidget* widget) { return ShowHelpTopic(QtHelpEngine::TopicOf(widget)); }

}  // namespace tessamo
