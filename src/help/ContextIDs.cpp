#include "help/ContextIDs.h"

#include "platform/Dialogs.h"
#include "platform/HelpEngine.h"

namespace tessamo {

void ContextIDs::Connect(HelpEngine& engine, Dialogs& dialogs) {
    engine_ = &engine;
    dialogs_ = &dialogs;
}

void ContextIDs::InitHelp(std::uintptr_t window, const std::string& helpFolder) {
    window_ = window;
    folder_ = helpFolder;
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    helpFile_ = PageOf(kContentsTopic);
    active_ = true;
}

void ContextIDs::QuitHelp() {
    if (engine_) engine_->Quit();
    active_ = false;
}

std::string ContextIDs::PageOf(const std::string& topic) const {
    const bool endsInSeparator = !folder_.empty() && folder_.back() == '/';
    return folder_ + (endsInSeparator ? "" : "/") + topic + ".html";
}

void ContextIDs::ShowTopic(const std::string& topic) {
    if (!engine_ || !active_) return;
    const Status shown = engine_->ShowPage(PageOf(topic));
    if (!shown.ok() && dialogs_)
        dialogs_->Show(Message{HelpMissingText(shown), "Help", MessageIcon::Exclamation});
}

std::string HelpMissingText(const Status& status) {
    return "The help could not be opened:\n" + status.ToString();
}

}  // namespace tessamo
