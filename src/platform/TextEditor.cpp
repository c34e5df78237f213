#include "platform/TextEditor.h"

#include <cstdlib>

namespace tessamo {

std::string ExternalEditorCommand() {
    const char* command = std::getenv("TESSAMO_EDITOR");
    return command ? std::string(command) : std::string();
}

}  // namespace tessamo
