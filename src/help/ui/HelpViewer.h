#pragma once
// HelpViewer: the built-in help window. Contents, Index and Search tabs on
// the left, the page on the right; Back, Forward, Contents and Print on its
// toolbar (Alt+Left, Alt+Right, Alt+Home, Ctrl+P); Ctrl+F goes to the
// search box; Escape closes the window. It reads the pages of one help
// folder (the compiled-in one as a rule) and stays beside the main window,
// disabling nothing.
#include <QMainWindow>

#include "help/HelpIndex.h"

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

namespace tessamo {

class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    // `folder` holds the pages ("index.html" is the contents).
    explicit HelpViewer(const QString& folder, QWidget* parent = nullptr);

    // Shows the page file `path` (in the folder, an anchor allowed).
    void ShowPage(const QString& path);
    void ShowContents();
    void Search(const QString& words);
    void PrintPage();

    QTextBrowser* HelpText = nullptr;
    QTabWidget* HelpTabs = nullptr;
    QListWidget* HelpContents = nullptr;
    QLineEdit* HelpIndexFilter = nullptr;
    QListWidget* HelpIndexList = nullptr;
    QLineEdit* HelpSearchWords = nullptr;
    QListWidget* HelpSearchResults = nullptr;
    QAction* HelpBack = nullptr;
    QAction* HelpForward = nullptr;
    QAction* HelpHome = nullptr;
    QAction* HelpPrint = nullptr;

private:
    void LoadPages();
    void createActions();
    QWidget* createContentsTab();
    QWidget* createIndexTab();
    QWidget* createSearchTab();
    void FillIndex(const QString& filter);
    void OpenItem(QListWidgetItem* item);
    void OpenOnActivate(QListWidget* list);
    // Title and contents follow the page shown.
    void FollowPage(const QUrl& url);
    QUrl UrlOf(const QString& path) const;

    QString folder_;
    HelpIndex index_;
    QString lastSearch_;
};

}  // namespace tessamo
