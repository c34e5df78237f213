#include "platform/Browser.h"

#include <sstream>

#include <unistd.h>

namespace tessamo {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& command) {
    std::vector<std::string> words;
    std::istringstream in(command);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool IsExecutable(const std::string& path) { return !path.empty() && ::access(path.c_str(), X_OK) == 0; }

bool ProgramFound(const std::string& program, const std::string& pathVariable) {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return IsExecutable(program);
    for (const std::string& folder : Split(pathVariable, ':'))
        if (!folder.empty() && IsExecutable(folder + "/" + program)) return true;
    return false;
}

}  // namespace

std::string ProgramOfCommand(const std::string& command) {
    const std::vector<std::string> words = Words(command);
    return words.empty() ? std::string() : words.front();
}

std::string FindBrowserProgram(const std::string& browserVariable, const std::string& pathVariable) {
    for (const std::string& entry : Split(browserVariable, ':'))
        if (ProgramFound(ProgramOfCommand(entry), pathVariable)) return entry;
    if (ProgramFound("xdg-open", pathVariable)) return "xdg-open";
    return std::string();
}

std::vector<std::string> BrowserArguments(const std::string& command, const std::string& address) {
    std::vector<std::string> words = Words(command);
    bool placed = false;
    for (std::string& word : words) {
        if (const auto at = word.find("%s"); at != std::string::npos) {
            word.replace(at, 2, address);
            placed = true;
        }
    }
    if (!placed) words.push_back(address);
    return words;
}

}  // namespace tessamo
