#pragma once
// TestEnv: a temporary data folder with the real file system (optionally
// behind FaultyFileSystem), scripted dialogs, a fixed clock (03-15-1999 unless
// set) and the reference money format, bundled into one SharedState whose
// active year is the clock's year. With `journaled`, the state writes through
// the journal (JournaledFileSystem over the faulty one), as both programs do.
#include <memory>

#include "core/RecordFile.h"
#include "core/SharedState.h"
#include "journal/JournaledFileSystem.h"
#include "platform/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/RequireOk.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace tessamo {

struct TestEnv {
    explicit TestEnv(CalendarDate today = {3, 15, 1999}, bool journaled = false)
        : real(folder.path()), files(real), clock(today), journal(files, clock),
          env{journaled ? static_cast<FileSystem&>(journal) : files, dialogs, clock, MoneyFormat::Reference()},
          state(env) {
        state.SetActiveYear(std::to_string(today.year));
    }

    std::vector<LedgerRecord> Ledger() const {
        std::vector<LedgerRecord> records;
        RequireOk(ReadRecords(real, state.LedgerFileName, records));
        return records;
    }
    void PutLedger(const std::vector<LedgerRecord>& records) const {
        folder.Write(state.LedgerFileName, EncodeRecords(records));
    }
    std::vector<CategoryRecord> Categories() const {
        std::vector<CategoryRecord> records;
        RequireOk(ReadRecords(real, state.CategoryFileName, records));
        return records;
    }
    void PutCategories(const std::vector<CategoryRecord>& records) const {
        folder.Write(state.CategoryFileName, EncodeRecords(records));
    }

    TempFolder folder;
    PosixFileSystem real;
    FaultyFileSystem files;
    ScriptedDialogs dialogs;
    FixedClock clock;
    JournaledFileSystem journal;  // the state's file system when journaled
    Env env;
    SharedState state;
};

// A ledger line in one call: amount in whole units x 10000 (use Money()).
inline LedgerRecord Line(const std::string& date, const std::string& code, std::int64_t amount,
                         const std::string& note = "") {
    return LedgerRecord::Make(date, code, amount, note);
}
// The Code field of each record, in order.
template <class Record>
std::vector<std::string> CodesOf(const std::vector<Record>& records) {
    std::vector<std::string> codes;
    for (const Record& r : records) codes.push_back(r.Code);
    return codes;
}

inline std::int64_t Money(double units) { return static_cast<std::int64_t>(units * 10000 + (units < 0 ? -0.5 : 0.5)); }

}  // namespace tessamo
