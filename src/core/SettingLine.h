#pragma once
// One "name = value" line of a settings file of ours, blanks trimmed on both
// sides; false for an empty line, a comment ("#") or a line without "=".
#include <string>

#include "core/FixedText.h"

namespace tessamo {

inline bool SplitSettingLine(const std::string& line, std::string& name, std::string& value) {
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) return false;
    name = TrimBlanks(line.substr(0, equals));
    value = TrimBlanks(line.substr(equals + 1));
    return true;
}

}  // namespace tessamo
