#pragma once
// CloseBackup: the automatic backup made when the main window closes (or the
// program is left by File > Exit), when the backup settings have it on. It
// runs on a thread of its own, so the window goes at once; the program waits
// for it before it ends, so a copy is never cut off (one cut off by a crash
// stays ".partial" and never counts). Its failure cannot be shown then: the
// window is gone and a box would hold the program open. So the message is
// kept with the backup settings and shown at the next start; nothing marks
// a backup as made, so the next close tries again.
#include <thread>

#include "backups/AutoBackup.h"

namespace tessamo {

// The backup at closing, done at once: the settings read, the backup made
// and a failure kept (or an old one cleared). Unchanged when switched off.
AutoBackupResult RunCloseBackup(const FileSystem& data, const Clock& clock);

// The failure kept from the last close as a message ("" when there is none);
// it is cleared as it is taken, so it is shown once.
Message TakeCloseBackupFailure(const FileSystem& data);

class CloseBackup {
public:
    CloseBackup() = default;
    CloseBackup(const CloseBackup&) = delete;
    CloseBackup& operator=(const CloseBackup&) = delete;
    ~CloseBackup() { Wait(); }

    // Starts RunCloseBackup on its thread; once only, later calls do nothing.
    // `data` and `clock` must outlive the wait.
    void Start(const FileSystem& data, const Clock& clock) {
        if (started_) return;
        started_ = true;
        worker_ = std::thread([this, &data, &clock] { result_ = RunCloseBackup(data, clock); });
    }
    // Until the backup is done; the result is read after it.
    void Wait() {
        if (worker_.joinable()) worker_.join();
    }
    bool Started() const { return started_; }
    const AutoBackupResult& Result() const { return result_; }

private:
    bool started_ = false;
    std::thread worker_;
    AutoBackupResult result_;
};

}  // namespace tessamo
