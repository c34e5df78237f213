#pragma once
// QtDialogs: the Dialogs interface shown with the toolkit's own message boxes
// and input boxes, so screen readers read their text and buttons. Each box
// sits over the window that asked and is modal to that window only: the
// modal box in front if there is one, else the active window, else the
// fallback window given here (the main window) once it is shown; a box asked
// before any window is shown is centred on the screen. Windows beside it (the
// calculator, the help viewer) stay usable. Every box is at least as wide as
// its title, so the window frame shows the whole title.
#include "platform/Dialogs.h"

class QWidget;

namespace tessamo {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* fallback = nullptr) : fallback_(fallback) {}
    void SetParent(QWidget* fallback) { fallback_ = fallback; }
    Answer Show(const Message& message) override;
    // A box over `window` whichever window is active: a window's question
    // about itself (the notes window's "Save changes?").
    Answer ShowOver(QWidget* window, const Message& message);
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    std::optional<std::string> SecretInput(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) override;
    // The toolkit's own file and folder choosers.
    std::optional<std::string> ChooseFile(const FileChooser& chooser) override;

private:
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText, bool secret);
    // The window the next box is shown over.
    QWidget* AskingWindow() const;

    QWidget* fallback_;
};

}  // namespace tessamo
