#pragma once
// Ten generated years of 100,000 lines each (1990 to 1999), the folder the
// search across years is timed on, in the window and on the command line.
#include "platform/FileSystem.h"

namespace tessamo::bench {

inline constexpr int kFolderYears = 10;
inline constexpr std::size_t kLinesPerYear = 100000;

void WriteTenYears(FileSystem& files);

}  // namespace tessamo::bench
