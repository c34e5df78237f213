#include "due/DuePending.h"

#include <zlib.h>

#include <sstream>

#include "core/Records.h"

namespace tessamo {
namespace {

Status Measure(const FileSystem& files, const std::string& ledger, std::uint64_t& length, std::uint32_t& crc) {
    std::string bytes;
    if (Status s = files.ReadAll(ledger, bytes); !s.ok()) return s;
    length = bytes.size();
    uLong sum = crc32(0L, Z_NULL, 0);
    for (std::size_t at = 0; at < bytes.size();) {
        const uInt piece = static_cast<uInt>(std::min<std::size_t>(bytes.size() - at, 1u << 30));
        sum = crc32(sum, reinterpret_cast<const Bytef*>(bytes.data() + at), piece);
        at += piece;
    }
    crc = static_cast<std::uint32_t>(sum);
    return Status::Ok();
}

}  // namespace

Status MakePendingEntry(const FileSystem& files, const std::string& macro, const CalendarDate& date,
                        const std::string& ledger, int lines, PendingDueEntry& pending) {
    pending = PendingDueEntry{macro, date, ledger, 0, 0, lines};
    return Measure(files, ledger, pending.length, pending.crc);
}

Status WritePendingEntry(FileSystem& files, const PendingDueEntry& p) {
    const std::string text = p.macro + "\t" + IsoDateText(p.date) + "\t" + p.ledger + "\t" + std::to_string(p.length) +
                             "\t" + std::to_string(p.crc) + "\t" + std::to_string(p.lines) + "\n";
    return files.ReplaceWhole(kDuePendingFileName, kDuePendingTempName, text);
}

Status ReadPendingEntry(const FileSystem& files, std::optional<PendingDueEntry>& pending) {
    pending.reset();
    if (!files.Exists(kDuePendingFileName)) return Status::Ok();
    std::string text;
    if (Status s = files.ReadAll(kDuePendingFileName, text); !s.ok()) return s;
    std::istringstream in(text);
    PendingDueEntry p;
    std::string date;
    const bool read = std::getline(in, p.macro, '\t') && std::getline(in, date, '\t') &&
                      std::getline(in, p.ledger, '\t') && (in >> p.length >> p.crc >> p.lines);
    const std::optional<CalendarDate> day = ParseIsoDate(date);
    if (!read || !day || p.lines < 0 || p.ledger != std::to_string(day->year) + "TSM.DAT")
        return Status::Corruption(files.Resolve(kDuePendingFileName), "the mark of a due entry does not read");
    p.date = *day;
    pending = p;
    return Status::Ok();
}

Status JudgePendingEntry(const FileSystem& files, const PendingDueEntry& pending, PendingJudgement& judgement) {
    std::uint64_t length = 0;
    std::uint32_t crc = 0;
    if (Status s = Measure(files, pending.ledger, length, crc); !s.ok()) return s;
    if (length == pending.length && crc == pending.crc) judgement = PendingJudgement::NotEntered;
    else if (length == pending.length + static_cast<std::uint64_t>(pending.lines) * LedgerRecord::kSize)
        judgement = PendingJudgement::Entered;
    else judgement = PendingJudgement::Unclear;
    return Status::Ok();
}

}  // namespace tessamo
