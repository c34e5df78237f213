#include "help/ui/HelpViewer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tessamo {
namespace {

constexpr int kTopicRole = Qt::UserRole;

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

QListWidget* MakeList(const char* name, const char* spoken, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(spoken));
    list->setWordWrap(true);
    return list;
}

QLineEdit* MakeField(const char* name, const char* spoken, const char* placeholder, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromLatin1(spoken));
    field->setPlaceholderText(QString::fromLatin1(placeholder));
    field->setClearButtonEnabled(true);
    return field;
}

// A tab page with a field above a list.
QWidget* FieldOverList(QWidget* parent, QLineEdit*& field, const char* fieldName, const char* fieldSpoken,
                       const char* placeholder, QListWidget*& list, const char* listName, const char* listSpoken) {
    auto* tab = new QWidget(parent);
    auto* layout = new QVBoxLayout(tab);
    field = MakeField(fieldName, fieldSpoken, placeholder, tab);
    list = MakeList(listName, listSpoken, tab);
    layout->addWidget(field);
    layout->addWidget(list);
    return tab;
}

QAction* MakeAction(QObject* parent, const char* name, const char* caption, QKeySequence key, QIcon icon) {
    auto* action = new QAction(icon, QString::fromLatin1(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), key.toString(QKeySequence::NativeText)));
    return action;
}

}  // namespace

HelpViewer::HelpViewer(const QString& folder, QWidget* parent) : QMainWindow(parent), folder_(folder) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Tessamo Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    LoadPages();

    HelpText = new QTextBrowser(this);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setAccessibleName(QStringLiteral("Help page"));
    HelpText->setOpenExternalLinks(true);
    // The pages' own style sheet, applied to every page shown.
    HelpText->document()->setDefaultStyleSheet(ReadPage(QDir(folder_).filePath(QStringLiteral("help.css"))));
    connect(HelpText, &QTextBrowser::sourceChanged, this, &HelpViewer::FollowPage);
    HelpTabs = new QTabWidget(this);
    HelpTabs->setObjectName(QStringLiteral("HelpTabs"));
    HelpTabs->setAccessibleName(QStringLiteral("Help navigation"));
    HelpTabs->addTab(createContentsTab(), QStringLiteral("&Contents"));
    HelpTabs->addTab(createIndexTab(), QStringLiteral("&Index"));
    HelpTabs->addTab(createSearchTab(), QStringLiteral("&Search"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(HelpTabs);
    splitter->addWidget(HelpText);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 700});
    setCentralWidget(splitter);
    createActions();
    resize(1000, 720);
}

void HelpViewer::LoadPages() {
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString topic = name.left(name.size() - 5);
        index_.Add(ParseHelpPage(topic.toStdString(), ReadPage(dir.filePath(name)).toStdString()));
    }
}

void HelpViewer::createActions() {
    HelpBack = MakeAction(this, "HelpBack", "Back", QKeySequence::Back, style()->standardIcon(QStyle::SP_ArrowBack));
    HelpForward = MakeAction(this, "HelpForward", "Forward", QKeySequence::Forward,
                             style()->standardIcon(QStyle::SP_ArrowForward));
    HelpHome = MakeAction(this, "HelpHome", "Contents", QKeySequence(Qt::ALT | Qt::Key_Home),
                          style()->standardIcon(QStyle::SP_DirHomeIcon));
    HelpPrint = MakeAction(this, "HelpPrint", "Print", QKeySequence::Print,
                           style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    HelpBack->setEnabled(false);
    HelpForward->setEnabled(false);
    connect(HelpBack, &QAction::triggered, HelpText, &QTextBrowser::backward);
    connect(HelpForward, &QAction::triggered, HelpText, &QTextBrowser::forward);
    connect(HelpText, &QTextBrowser::backwardAvailable, HelpBack, &QAction::setEnabled);
    connect(HelpText, &QTextBrowser::forwardAvailable, HelpForward, &QAction::setEnabled);
    connect(HelpHome, &QAction::triggered, this, &HelpViewer::ShowContents);
    connect(HelpPrint, &QAction::triggered, this, &HelpViewer::PrintPage);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("HelpToolbar"));
    bar->setAccessibleName(QStringLiteral("Help toolbar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addActions({HelpBack, HelpForward, HelpHome, HelpPrint});

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        HelpTabs->setCurrentIndex(2);
        HelpSearchWords->setFocus();
        HelpSearchWords->selectAll();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QWidget* HelpViewer::createContentsTab() {
    HelpContents = MakeList("HelpContents", "Help contents", this);
    // The contents follow the order of the contents page's links.
    const HelpPage* contents = index_.Find("index");
    const std::vector<std::string> order =
        LinkedTopics(ReadPage(QDir(folder_).filePath(QStringLiteral("index.html"))).toStdString());
    auto add = [this](const HelpPage& page) {
        auto* item = new QListWidgetItem(QString::fromStdString(page.title), HelpContents);
        item->setData(kTopicRole, QString::fromStdString(page.topic));
    };
    if (contents) add(*contents);
    std::vector<std::string> listed;
    for (const std::string& topic : order) {
        if (std::find(listed.begin(), listed.end(), topic) != listed.end()) continue;
        if (const HelpPage* page = index_.Find(topic); page && topic != "index") add(*page);
        listed.push_back(topic);
    }
    OpenOnActivate(HelpContents);
    return HelpContents;
}

QWidget* HelpViewer::createIndexTab() {
    QWidget* tab = FieldOverList(this, HelpIndexFilter, "HelpIndexFilter", "Index: type a word", "Type a word",
                                 HelpIndexList, "HelpIndexList", "Index entries");
    FillIndex(QString());
    connect(HelpIndexFilter, &QLineEdit::textChanged, this, &HelpViewer::FillIndex);
    connect(HelpIndexFilter, &QLineEdit::returnPressed, this, [this] {
        OpenItem(HelpIndexList->currentItem() ? HelpIndexList->currentItem() : HelpIndexList->item(0));
    });
    OpenOnActivate(HelpIndexList);
    return tab;
}

QWidget* HelpViewer::createSearchTab() {
    QWidget* tab = FieldOverList(this, HelpSearchWords, "HelpSearchWords", "Search for words",
                                 "Words to find, then Enter", HelpSearchResults, "HelpSearchResults", "Pages found");
    connect(HelpSearchWords, &QLineEdit::returnPressed, this, [this] { Search(HelpSearchWords->text()); });
    OpenOnActivate(HelpSearchResults);
    return tab;
}

void HelpViewer::OpenOnActivate(QListWidget* list) {
    connect(list, &QListWidget::itemActivated, this, &HelpViewer::OpenItem);
    connect(list, &QListWidget::itemClicked, this, &HelpViewer::OpenItem);
}

void HelpViewer::FillIndex(const QString& filter) {
    HelpIndexList->clear();
    for (const HelpIndex::Entry& entry : index_.Keywords()) {
        const QString keyword = QString::fromStdString(entry.keyword);
        if (!keyword.startsWith(filter.trimmed(), Qt::CaseInsensitive)) continue;
        const HelpPage* page = index_.Find(entry.topic);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 — %2").arg(keyword, QString::fromStdString(page ? page->title : entry.topic)),
            HelpIndexList);
        item->setData(kTopicRole, QString::fromStdString(entry.topic));
    }
    if (HelpIndexList->count() > 0) HelpIndexList->setCurrentRow(0);
}

void HelpViewer::Search(const QString& words) {
    lastSearch_ = words.trimmed();
    HelpSearchWords->setText(words);
    HelpSearchResults->clear();
    const std::vector<HelpIndex::Hit> hits = index_.Search(words.toStdString());
    for (const HelpIndex::Hit& hit : hits) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), HelpSearchResults);
        item->setData(kTopicRole, QString::fromStdString(hit.topic));
    }
    if (hits.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("No page holds these words."), HelpSearchResults);
        none->setFlags(Qt::NoItemFlags);
    } else {
        HelpSearchResults->setCurrentRow(0);
    }
}

void HelpViewer::OpenItem(QListWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    const QString topic = item->data(kTopicRole).toString();
    ShowPage(QDir(folder_).filePath(topic + QStringLiteral(".html")));
    // A page opened from the search shows the first place of the first word.
    if (item->listWidget() == HelpSearchResults && !lastSearch_.isEmpty())
        HelpText->find(lastSearch_.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty));
}

QUrl HelpViewer::UrlOf(const QString& path) const {
    if (path.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

void HelpViewer::ShowPage(const QString& path) { HelpText->setSource(UrlOf(path)); }

void HelpViewer::FollowPage(const QUrl& url) {
    const QString topic = url.fileName().section(QLatin1Char('.'), 0, 0);
    const HelpPage* page = index_.Find(topic.toStdString());
    setWindowTitle(page ? QStringLiteral("Tessamo Help - %1").arg(QString::fromStdString(page->title))
                        : QStringLiteral("Tessamo Help"));
    for (int row = 0; row < HelpContents->count(); ++row)
        if (HelpContents->item(row)->data(kTopicRole).toString() == topic) HelpContents->setCurrentRow(row);
}

void HelpViewer::ShowContents() { ShowPage(QDir(folder_).filePath(QStringLiteral("index.html"))); }

void HelpViewer::PrintPage() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Help Page"));
    if (dialog.exec() != QDialog::Accepted) return;
    HelpText->document()->print(&printer);
}

}  // namespace tessamo
