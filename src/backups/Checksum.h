#pragma once
// Checksum: the CRC-32 of a file's bytes (zlib's), written into a backup's
// manifest as eight lower-case hex digits, to find a copy that changed after
// it was made.
#include <cstdint>
#include <string>

namespace tessamo {

std::uint32_t Crc32Of(const std::string& bytes);
std::string ChecksumText(std::uint32_t crc);

}  // namespace tessamo
