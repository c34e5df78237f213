#pragma once
// The pending mark of a due entry being entered: the ledger and the schedule
// file are two files, so entering a due entry writes, in this order,
//   1. this mark (which entry, which ledger, and that ledger's length and
//      CRC-32 before the entry), under a temporary name;
//   2. the ledger, with the macro's lines;
//   3. the schedule file, with the date marked done;
//   4. and then removes the mark.
// A run that finds a mark left by a run that stopped settles it before
// anything else: a ledger still byte for byte as before was not written (the
// entry is due again), one longer by exactly the macro's lines was (the date
// is marked done), and anything else cannot be told apart: the date is
// marked done, so it is never entered twice, and the user is told to look.
// The mark is one line of text, fields separated by tabs:
//   MACRO DATE LEDGER LENGTH CRC32 LINES
#include <cstdint>
#include <optional>
#include <string>

#include "due/IsoDate.h"
#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kDuePendingFileName = "tempdue.$$$";
inline constexpr const char* kDuePendingTempName = "tempdue2.$$$";

struct PendingDueEntry {
    std::string macro;
    CalendarDate date;
    std::string ledger;          // the ledger file written to
    std::uint64_t length = 0;    // its length before
    std::uint32_t crc = 0;       // its CRC-32 before
    int lines = 0;               // the lines the entry adds
};

// The mark for entering `lines` lines of `macro` under `date` into `ledger`,
// with the ledger as it is now.
Status MakePendingEntry(const FileSystem& files, const std::string& macro, const CalendarDate& date,
                        const std::string& ledger, int lines, PendingDueEntry& pending);
Status WritePendingEntry(FileSystem& files, const PendingDueEntry& pending);
// Nothing when there is no mark; a mark that does not read is corruption.
Status ReadPendingEntry(const FileSystem& files, std::optional<PendingDueEntry>& pending);

enum class PendingJudgement { NotEntered, Entered, Unclear };
Status JudgePendingEntry(const FileSystem& files, const PendingDueEntry& pending, PendingJudgement& judgement);

}  // namespace tessamo
