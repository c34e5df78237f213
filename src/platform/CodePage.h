#pragma once
// CodePage: text fields of the data files hold Windows-1252 bytes, one byte a
// character, as the Windows program wrote them. The windows and the command
// line speak UTF-8; conversion happens only at that edge.
#include <string>

namespace tessamo {

std::string Cp1252ToUtf8(const std::string& bytes);
// Characters that Windows-1252 cannot hold become "?"; `lossy` tells whether any did.
std::string Utf8ToCp1252(const std::string& text, bool* lossy = nullptr);

}  // namespace tessamo
