#pragma once
// QtHelpEngine: the HelpEngine of the windowed program, and the F1 key of
// every window. It keeps at most one HelpViewer, raised when already open.
// It lives as a child of the application object, so any window can reach
// it through ShowHelpTopic without being handed a pointer.
//
// F1 anywhere opens the topic of the window or frame that has the focus:
// from the focus widget up through its parents, the first widget with a
// "helpTopic" property, or whose objectName has a topic (HelpTopics.h),
// gives the page; a window with neither gets the contents.
#include <QObject>
#include <QPointer>
#include <string>

#include "platform/HelpEngine.h"

class QWidget;

namespace tessamo {

class ContextIDs;
class HelpViewer;

class QtHelpEngine : public QObject, public HelpEngine {
    Q_OBJECT
public:
    // Installs the F1 handler on the whole application; `help` turns topics
    // into pages and reports a page that is missing.
    explicit QtHelpEngine(ContextIDs& help);
    ~QtHelpEngine() override;

    Status ShowPage(const std::string& pagePath) override;
    void Quit() override;

    // The open viewer, or nullptr.
    HelpViewer* Viewer() const;
    ContextIDs& Help() { return help_; }

    // The topic F1 gives for `widget` (see above).
    static std::string TopicOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ContextIDs& help_;
    QPointer<HelpViewer> viewer_;
};

// Registers the compiled-in help pages and icon (a static library's
// resources are registered by hand). Safe to call more than once.
void InitHelpResources();

// For any window: shows `topic` in the help viewer (the report window's Help
// button calls ShowHelpTopic("reports")). False when no help is set up.
bool ShowHelpTopic(const std::string& topic);
// Shows the topic F1 would give for `widget`.
bool ShowHelpFor(const QWidget* widget);

}  // namespace tessamo
