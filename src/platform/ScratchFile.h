#pragma once
// ScratchFile: a short-lived file in the user's temporary folder, made under
// a fresh unique name (never an existing file or link: O_EXCL, mode 0600)
// and removed when the object goes away, whatever happened in between.
#include <string>

#include "platform/Status.h"

namespace tessamo {

// $TMPDIR when set and not empty, else /tmp.
std::string UserTempFolder();

class ScratchFile {
public:
    // Writes `bytes` to "<folder>/tessamo-XXXXXX<suffix>".
    ScratchFile(const std::string& folder, const std::string& suffix, const std::string& bytes);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const Status& status() const { return status_; }
    // The file's full name; empty when it could not be made.
    const std::string& path() const { return path_; }

private:
    std::string path_;
    Status status_;
};

}  // namespace tessamo
