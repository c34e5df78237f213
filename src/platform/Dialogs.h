#pragma once
// Dialogs: the message boxes, input boxes and file and folder choosers the
// logic and the windows need to ask or tell.
// Texts are UTF-8. The Qt implementation (QtDialogs) shows the toolkit's own
// boxes; tests use ScriptedDialogs, which records every message and plays
// queued answers. A box without a title of its own shows "Tessamo 2.1".
#include <optional>
#include <string>

namespace tessamo {

inline constexpr const char* kProgramTitle = "Tessamo 2.1";

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string title = kProgramTitle;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
};

// A file or folder chooser: a file to open, a file to save (the chooser asks
// before replacing an existing one), or a folder. `start` is the folder, or
// the suggested file, it opens on; `filter` lists the kinds of file offered
// ("Bank statements (*.csv *.ofx);;All files (*)"), empty for a folder.
enum class ChooserKind { OpenFile, SaveFile, Folder };
struct FileChooser {
    ChooserKind kind = ChooserKind::OpenFile;
    std::string title;
    std::string start;
    std::string filter;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer Show(const Message& message) = 0;
    // The text the user typed, or nothing when the box was cancelled.
    virtual std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) = 0;
    // The same for a secret (a passcode): what is typed is not shown. A
    // double without a screen to hide it from asks as Input does.
    virtual std::optional<std::string> SecretInput(const std::string& prompt, const std::string& title,
                                                   const std::string& defaultText) {
        return Input(prompt, title, defaultText);
    }
    // The path chosen, or nothing when the chooser was cancelled. Without a
    // screen (the command line) nothing is ever chosen.
    virtual std::optional<std::string> ChooseFile(const FileChooser& /*chooser*/) { return std::nullopt; }
};

// The messages every routine uses for refused input and file failures.
Message EntryAborted(const std::string& text);  // "Entry Aborted", exclamation, OK
Message ConfirmYesNo(const std::string& text, MessageIcon icon = MessageIcon::Exclamation);  // "Confirm", default No

}  // namespace tessamo
