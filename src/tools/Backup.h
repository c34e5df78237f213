#pragma once
// Backup: copies every "*.mcr", "*.dat" and "*.nts" file of the data folder
// (patterns without regard to case) to a target folder, under its own name,
// replacing a file of that name there (found without regard to case). Each
// copy is written atomically (temp file, fsync, rename), so an interrupted run
// never leaves a half-written backup file. The run is refused when the target
// is the data folder itself, or when a copy would land on a file of the data
// folder (a link in the target folder leading there).
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/SharedState.h"

namespace tessamo {

inline constexpr const char* kBackupTempFileName = "tempcopy.$$$";

// True for names ending in ".mcr", ".dat" or ".nts", in any letter case.
bool IsBackupFile(const std::string& name);
// The files a run copies, in the order of the window's file list (by name,
// without regard to case).
std::vector<std::string> BackupFileList(const FileSystem& source);

// True when both name the same folder: their texts equal once trimmed and
// ended with a separator, or the same folder on disk (device and inode).
// Letter case counts: "Data" and "DATA" are two folders here.
bool SameFolder(const FileSystem& a, const FileSystem& b);

// Called before each copy with the file's name, its number (1-based) and the
// count; the window shows "Copying: " + name and handles pending events.
using BackupProgress = std::function<void(const std::string& name, std::size_t number, std::size_t count)>;

enum class [[nodiscard]] BackupOutcome {
    Refused,   // "Chose a different target!" was shown; no (further) file copied
    Finished,  // every file copied; "Finished" was shown
    Stopped,   // the stop flag was seen before a copy; no further file copied
    Failed,    // the target could not be used, or copies failed: the run went on
               // with the next file and its end message named each failure
};

// The message that ends a run: "Finished" when every file was copied, else
// how many were copied and each file that was not, with the system's reason.
Message BackupEndMessage(std::size_t copied, const std::vector<Status>& failures);

BackupOutcome CopyDataFiles(const SharedState& state, FileSystem& target, const BackupProgress& progress,
                            const std::atomic<bool>& stop);
// The same onto the folder `targetFolder` of the local disk.
BackupOutcome RunBackup(const SharedState& state, const std::string& targetFolder, const BackupProgress& progress,
                        const std::atomic<bool>& stop);

}  // namespace tessamo
