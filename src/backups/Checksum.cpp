#include "backups/Checksum.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace tessamo {

std::uint32_t Crc32Of(const std::string& bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    // crc32() takes at most a uInt of bytes per call.
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, std::numeric_limits<uInt>::max());
        crc = crc32(crc, data + done, static_cast<uInt>(chunk));
        done += chunk;
    }
    return static_cast<std::uint32_t>(crc);
}

std::string ChecksumText(std::uint32_t crc) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(crc));
    return text;
}

}  // namespace tessamo
