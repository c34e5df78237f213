#pragma once
// BackupFiles: the files an automatic backup holds. The system's data files
// ("*.dat", "*.mcr", "*.nts", as its own Backup window copies them) and our
// own files beside them: the import rules and ids, the schedules of due
// entries and the data folder's identity. Left out is the journal
// "tessamo.journal": it describes changes to the live files of the moment
// (what to roll back after a crash, what undo turns back), and put back
// beside older files it would undo or redo against bytes it never saw.
//
// A name in a backup's manifest is trusted only when it is a plain name of
// one of these kinds: no separator, not "." or "..", no control character.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

// Our own files a backup holds beside the system's data files.
const std::vector<std::string>& OwnFileNames();

// True for one plain file name: not empty, no "/", not "." or "..", no
// control character (also no byte 0x7f).
bool IsPlainFileName(const std::string& name);
// True for a plain name of a kind an automatic backup holds.
bool IsBackedUpFileName(const std::string& name);
// The data folder's files a backup copies: the data files in the Backup
// window's order, then our own files that exist.
std::vector<std::string> FilesToBackUp(const FileSystem& data);

}  // namespace tessamo
