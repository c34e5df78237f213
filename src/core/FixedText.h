#pragma once
// Fixed-width text fields: blank-padded on the right, cut when too long, one
// byte per character (Windows-1252). Also the trimming the records need.
#include <string>
#include <string_view>

namespace tessamo {

std::string FixedWidth(std::string_view text, std::size_t width);
std::string TrimBlanks(std::string_view text);       // blanks removed at both ends
std::string TrimRightBlanks(std::string_view text);  // blanks removed on the right
std::string ToUpperAscii(std::string_view text);

}  // namespace tessamo
