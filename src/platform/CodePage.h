#pragma once
// CodePage: text fields of the data files hold Windows-1252 bytes, one byte a
// character, as the Windows program wrote them. The windows and the command
// line speak UTF-8; conversion happens only at that edge.
#include <string>
#include <string_view>

namespace tessamo {

std::string Cp1252ToUtf8(const std::string& bytes);
// Cp1252ToUtf8 appended to `out`, for output built in one block.
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);
// The character one Windows-1252 byte stands for (always within 16 bits).
char32_t Cp1252CodePoint(unsigned char byte);
// The same for a terminal: every control character (below 0x20, DEL, and the
// five bytes Windows-1252 leaves undefined, which would arrive as C1
// controls) is shown as a visible escape — "\t", "\r", "\n", else "\x1B" —
// except those listed in `keep`, so nothing reaches the terminal raw.
std::string Cp1252ToVisibleUtf8(const std::string& bytes, const std::string& keep = "");
void AppendCp1252AsVisibleUtf8(std::string& out, std::string_view bytes, std::string_view keep = "");
// Characters that Windows-1252 cannot hold become "?"; `lossy` tells whether any did.
std::string Utf8ToCp1252(const std::string& text, bool* lossy = nullptr);

// A text file written by hand may be Windows-1252 (from the old program) or
// UTF-8 (from a Linux editor). Valid UTF-8 holding non-ASCII characters, or
// starting with a byte-order mark, is converted to Windows-1252; anything
// else is taken as Windows-1252 already.
std::string TextFileToCp1252(const std::string& bytes);

}  // namespace tessamo
