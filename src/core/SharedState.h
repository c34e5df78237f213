#pragma once
// SharedState: the values every window and routine of one run agrees on (the
// active year's file names, date style, user name, current category, the
// settings record, the line opened in the entry editor, the report's month
// range), plus the platform services they work through. main() owns the one
// instance and passes it by reference; there are no globals.
#include <string>

#include "core/Records.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

// The platform stand-ins one run works through; tests swap in doubles.
struct Env {
    FileSystem& files;
    Dialogs& dialogs;
    const Clock& clock;
    MoneyFormat money;
};

enum class EditKind { None, Income, Expense };

struct SharedState {
    explicit SharedState(Env& environment) : env(environment) {}

    Env& env;
    std::string CurYear;           // the active year, 4 digits
    std::string LedgerFileName;    // year + "TSM.DAT"
    std::string CategoryFileName;  // year + "CATS.DAT" (year selection uses "cats.dat")
    // DateStyle and UserName are the run's copies of two fields of Settings.
    // Settings is the settings file's record as raw bytes, and reading a
    // field out of it builds a new string; the date style is read for every
    // ledger line a check, sort or report goes through, so it is kept ready.
    // Invariant: they equal Settings.DateStyle() and Settings.UserName()
    // after start-up (ApplySettings) and after every change routine of
    // Options, which write the file first and then all three together;
    // a date style the file holds but the program does not know is read
    // as "A" until one is chosen.
    std::string DateStyle = "A";   // "A" month first, "E" day first
    std::string UserName = std::string(28, ' ');
    std::string CurrentCategory = "all";
    SettingsRecord Settings;
    LedgerRecord OpenedRecord;     // the line as opened in the entry editor
    EditKind OpenedKind = EditKind::None;
    int RepStartMonth = 1;         // the report window's month range
    int RepEndMonth = 12;

    // Makes `year` active: CurYear, LedgerFileName, CategoryFileName.
    void SetActiveYear(const std::string& year, const std::string& categorySuffix = "CATS.DAT") {
        CurYear = year;
        LedgerFileName = year + "TSM.DAT";
        CategoryFileName = year + categorySuffix;
    }
    // Takes over a settings record read from the file, with the copies of
    // its date style and user name.
    void ApplySettings(const SettingsRecord& settings) {
        Settings = settings;
        DateStyle = settings.DateStyle();
        UserName = settings.UserName();
    }
    // The two-digit year written into new dates: characters 3-4 of LedgerFileName.
    std::string LedgerYearDigits() const { return LedgerFileName.substr(2, 2); }
};

}  // namespace tessamo
