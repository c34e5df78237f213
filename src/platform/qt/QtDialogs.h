#pragma once
// QtDialogs: the Dialogs interface shown with the toolkit's own message boxes
// and input boxes, so screen readers read their text and buttons. Each box
// sits over the window that asked and is modal to that window only: the
// modal box in front if there is one, else the active window, else the
// fallback window given here (the main window). Windows beside it (the
// calculator, the help viewer) stay usable.
#include "platform/Dialogs.h"

class QWidget;

namespace tessamo {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* fallback = nullptr) : fallback_(fallback) {}
    void SetParent(QWidget* fallback) { fallback_ = fallback; }
    Answer Show(const Message& message) override;
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    std::optional<std::string> SecretInput(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) override;

private:
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText, bool secret);
    // The window the next box is shown over.
    QWidget* AskingWindow() const;

    QWidget* fallback_;
};

}  // namespace tessamo
