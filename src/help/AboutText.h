#pragma once
// The About box (Help, "About"): the program's name and version, what it is,
// the data folder in use, the licence and the Qt it runs on.
#include <string>

#include "platform/Dialogs.h"

namespace tessamo {

// The same as the build's project version (a test compares them).
inline constexpr const char* kProgramVersion = "2.1";
inline constexpr const char* kProgramSummary =
    "A household cash-book: income and expense line items under categories, one ledger per year.";
inline constexpr const char* kProgramLicence = "GNU General Public License, version 3 or later";

struct AboutFacts {
    std::string dataFolder;
    std::string qtRunning;  // the Qt libraries loaded now
    std::string qtBuilt;    // the Qt the program was built against
};

Message AboutMessage(const AboutFacts& facts);

// "<program> 2.1", the first line of --version.
std::string VersionLine(const std::string& program);

}  // namespace tessamo
