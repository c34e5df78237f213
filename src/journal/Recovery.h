#pragma once
// The journal's start-up check, made by both programs under the folder lock
// before anything reads a data file. A journal that ends with a finished
// transaction is all that is looked at (its last record), so a start with
// nothing to recover costs a read of a few bytes. Otherwise the journal is
// read whole: a transaction a crash interrupted is rolled back (every file of
// it wholly old again), damaged records and a journal of another data folder
// are dropped, and the journal is written afresh.
#include <string>

#include "journal/JournaledFileSystem.h"

namespace tessamo {

// What was recovered, in plain words, lines joined by CR LF; empty when there
// was nothing to say. It is said once: the journal no longer holds it after.
std::string RecoverJournal(JournaledFileSystem& files);

}  // namespace tessamo
