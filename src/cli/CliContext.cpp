#include <ostream>

#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "core/Dates.h"
#include "core/LoadSettings.h"
#include "core/Settings.h"
#include "journal/JournalSettings.h"
#include "journal/JournaledFileSystem.h"
#include "journal/Recovery.h"
#include "platform/DataFolder.h"
#include "platform/StartUp.h"
#include "platform/LocalPaths.h"
#include "platform/qt/SystemMoneyFormat.h"

namespace tessamo {

// Everything one run holds while the data folder is open, in the order it is
// built and torn down. The folder's lock is held by the context and released
// after this is gone. Every write goes through the journal.
struct OpenFolder {
    OpenFolder(const std::string& path, std::ostream& err, bool assumeYes)
        : folder(LocalFolder(path)), files(*folder, clock, ReadJournalLimits(*folder->OtherFolder(UserConfigFolder()))),
          dialogs(err, assumeYes), env{files, dialogs, clock, SystemMoneyFormat()},
          state(env) {}
    SystemClock clock;
    std::unique_ptr<FileSystem> folder;
    JournaledFileSystem files;
    ConsoleDialogs dialogs;
    Env env;
    SharedState state;
};

CliContext::CliContext(std::ostream& output, std::ostream& errors, bool yes, std::string activeYear)
    : out(output), err(errors), assumeYes(yes), year(std::move(activeYear)) {}

CliContext::~CliContext() = default;

SharedState& CliContext::state() { return open_->state; }

JournaledFileSystem& CliContext::journaled() { return open_->files; }

int BadArguments(CliContext& context, const std::string& text) {
    context.err << "tessamo-cli: " << text << "\n";
    return kExitBadArguments;
}

int BadArguments(CliContext& context, const std::string& command, const Status& refusal) {
    return BadArguments(context, command + ": " + refusal.reason());
}

namespace {

// A folder with a passcode opens only when TESSAMO_PASSCODE carries it (an
// environment variable, so the code does not show in the process list); it is
// read as the start-up prompt reads an answer.
int CheckPassCode(CliContext& context, const SettingsRecord& settings) {
    if (settings.PassCode() == 0) return kExitOk;
    const std::optional<std::string> given = EnvironmentValue("TESSAMO_PASSCODE");
    if (!given) {
        context.err << "tessamo-cli: this data folder is protected by a passcode; set TESSAMO_PASSCODE.\n";
        return kExitBadArguments;
    }
    if (ReadPasscodeAnswer(*given) != settings.PassCode()) {
        context.err << "tessamo-cli: Incorrect code.\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

int CliContext::OpenDataFolder() {
    lock_ = std::make_unique<InstanceLock>();
    const Result<std::string> entered = EnterDataFolder(ExecutableDirectory(), *lock_);
    if (!entered.ok()) {
        err << "tessamo-cli: " << ConsoleLines(entered.status().reason()) << "\n";
        return kExitFailed;
    }
    auto opened = std::make_unique<OpenFolder>(entered.value(), err, assumeYes);
    // Under the lock, before anything reads a data file: an interrupted change is taken back.
    if (const std::string recovered = RecoverJournal(opened->files); !recovered.empty())
        err << "tessamo-cli: " << ConsoleLines(recovered) << "\n";
    // A missing settings file is not created here; it reads as the new-file values.
    SettingsRecord settings;
    if (Status s = ReadSettings(opened->files, opened->clock, settings); !s.ok()) {
        err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    if (int rc = CheckPassCode(*this, settings); rc != kExitOk) return rc;
    SharedState& st = opened->state;
    st.ApplySettings(settings);
    st.DateStyle = StartDateStyle(settings, opened->dialogs);
    st.SetActiveYear(year.empty() ? TodayYear(opened->clock) : year);
    open_ = std::move(opened);
    return kExitOk;
}

bool CliContext::QuestionDeclined() const { return open_ && open_->dialogs.Declined(); }

void CliContext::PresetAnswer(const std::string& question, Answer answer, const std::string& why) {
    open_->dialogs.Preset(question, answer, why);
}

}  // namespace tessamo
