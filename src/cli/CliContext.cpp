#include <unistd.h>

#include <cstdlib>
#include <ostream>

#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "core/Dates.h"
#include "core/LoadSettings.h"
#include "core/Settings.h"
#include "platform/DataFolder.h"
#include "platform/InstanceLock.h"
#include "platform/PosixFileSystem.h"
#include "platform/qt/SystemMoneyFormat.h"

namespace tessamo {

// Everything one run holds while the data folder is open, in the order it is
// built and torn down; the lock is released last.
struct OpenFolder {
    OpenFolder(const std::string& path, std::ostream& err, bool assumeYes)
        : files(path), dialogs(err, assumeYes), env{files, dialogs, clock, SystemMoneyFormat()}, state(env) {}
    InstanceLock lock;
    PosixFileSystem files;
    ConsoleDialogs dialogs;
    SystemClock clock;
    Env env;
    SharedState state;
};

CliContext::CliContext(std::ostream& output, std::ostream& errors, bool yes, std::string activeYear)
    : out(output), err(errors), assumeYes(yes), year(std::move(activeYear)) {}

CliContext::~CliContext() = default;

SharedState& CliContext::state() { return open_->state; }

int BadArguments(CliContext& context, const std::string& text) {
    context.err << "tessamo-cli: " << text << "\n";
    return kExitBadArguments;
}

namespace {

// A folder with a passcode opens only when TESSAMO_PASSCODE carries it (an
// environment variable, so the code does not show in the process list); it is
// read as the start-up prompt reads an answer.
int CheckPassCode(CliContext& context, const SettingsRecord& settings) {
    if (settings.PassCode() == 0) return kExitOk;
    const char* given = std::getenv("TESSAMO_PASSCODE");
    if (given == nullptr) {
        context.err << "tessamo-cli: this data folder is protected by a passcode; set TESSAMO_PASSCODE.\n";
        return kExitBadArguments;
    }
    if (ReadPasscodeAnswer(given) != settings.PassCode()) {
        context.err << "tessamo-cli: Incorrect code.\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

int CliContext::OpenDataFolder() {
    std::string folder;
    if (Status s = ResolveDataFolder(ExecutableDirectory(), folder); !s.ok()) {
        err << "tessamo-cli: the data folder could not be used: " << s.ToString() << "\n";
        return kExitFailed;
    }
    auto opened = std::make_unique<OpenFolder>(folder, err, assumeYes);
    bool heldElsewhere = false;
    Status lockStatus;
    if (!opened->lock.Acquire(folder, heldElsewhere, lockStatus)) {
        err << "tessamo-cli: "
            << (heldElsewhere ? ConsoleLines(FolderInUseMessage(folder))
                              : "the data folder could not be locked: " + lockStatus.ToString())
            << "\n";
        return kExitFailed;
    }
    if (::chdir(folder.c_str()) != 0) {
        err << "tessamo-cli: cannot enter " << folder << "\n";
        return kExitFailed;
    }
    SharedState& st = opened->state;
    // A missing settings file is not created here; it reads as the new-file values.
    if (Status s = ReadSettings(opened->files, opened->clock, st.Settings); !s.ok()) {
        err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    if (int rc = CheckPassCode(*this, st.Settings); rc != kExitOk) return rc;
    st.UserName = st.Settings.UserName();
    st.DateStyle = StartDateStyle(st.Settings, opened->dialogs);
    st.SetActiveYear(year.empty() ? TodayYear(opened->clock) : year);
    open_ = std::move(opened);
    return kExitOk;
}

}  // namespace tessamo
