#pragma once
// MacroFile: the grammar of macro files ("*.mcr"), plain text of 8-bit
// characters. Each line is a remark (its first character is "'"), an empty
// line, or a data line (anything else, a line of blanks included). Data lines
// form groups of three: category code, amount, note. Lines end in CR LF; files
// with LF alone (or CR alone) read the same.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Records.h"

namespace tessamo {

enum class MacroLineClass { Remark, Empty, Data };

// The lines of a file's bytes, without their line ends; a last line without
// a line end counts, the empty text after a final line end does not.
std::vector<std::string> SplitMacroLines(const std::string& bytes);

// Classified on the line exactly as read (nothing trimmed first).
MacroLineClass ClassifyMacroLine(const std::string& line);

// The data lines of a file, in order.
std::vector<std::string> MacroDataLines(const std::string& bytes);

// Code line: trimmed, upper-cased, first two characters, blank-padded ("x" -> "X ").
std::string MacroCode(const std::string& line);
// Amount line: trimmed and read as a number from its start (the leading-number
// rule: "1,250.00" -> 1, "$40" -> 0), rounded half to even to four decimals.
// Nothing when the number lies beyond the stored range, however far ("1e400").
std::optional<std::int64_t> MacroAmount(const std::string& line);
// Note line: the first 40 characters as read, leading blanks kept.
std::string MacroNote(const std::string& line);

// The 49-line template a new macro file is given, each line ended by CR LF.
std::string MacroTemplateText();

}  // namespace tessamo
