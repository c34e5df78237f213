#pragma once
// QtDialogs: the Dialogs interface shown with the toolkit's own message boxes
// and input boxes, so screen readers read their text and buttons.
#include "platform/Dialogs.h"

class QWidget;

namespace tessamo {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    Answer Show(const Message& message) override;
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;

private:
    QWidget* parent_;
};

}  // namespace tessamo
