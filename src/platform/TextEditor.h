#pragma once
// TextEditor: where the user edits a plain text file (the year's notes). The
// program starts the editor and does not wait for it or watch the file; the
// editor creates the file when the user saves. The Qt implementation opens a
// built-in notepad window, or starts the program named by TESSAMO_EDITOR.
#include <string>

#include "platform/Status.h"

namespace tessamo {

class TextEditor {
public:
    virtual ~TextEditor() = default;
    // `path` is the full path of the file; a missing file opens empty.
    virtual Status Open(const std::string& path) = 0;
};

// The program named by TESSAMO_EDITOR (it may carry arguments), or empty.
std::string ExternalEditorCommand();

}  // namespace tessamo
