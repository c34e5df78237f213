#pragma once
// The journal's records: how transactions are written into the journal file
// and read back. Every record is
//     "TJRN"  type(1)  payload length(4)  payload  CRC-32(4)  record length(4)
// (numbers little-endian; the CRC covers type, length and payload; the record
// length at the end lets a reader step back from the end of the file). A
// transaction is a Begin record, its Change records (each written and synced
// before the file it describes is touched) and an End record saying whether
// it was committed or rolled back (a later End of the same transaction
// overrides an earlier one); a Begin without an End is a transaction a crash
// interrupted. The first record of the file names the data folder the
// journal belongs to.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/FileChange.h"

namespace tessamo {

enum class TransactionKind : std::uint8_t { Change = 0, Undo = 1, Redo = 2 };
// Abandoned: the commit mark may have reached the journal, but the change is
// to be taken back (its rollback had not finished); read as Open.
enum class TransactionEnd : std::uint8_t { Open = 0, Committed = 1, RolledBack = 2, Abandoned = 3 };

struct JournalTransaction {
    std::uint64_t id = 0;
    TransactionKind kind = TransactionKind::Change;
    std::vector<std::uint64_t> targets;  // the changes an undo or redo turned, in the order turned
    std::string time;                    // "YYYY-MM-DD HH:MM:SS"
    std::string description;
    std::vector<FileChange> changes;
    TransactionEnd end = TransactionEnd::Open;

    // True when a crash or a failure left it for the next start to take back.
    bool Unfinished() const { return end == TransactionEnd::Open || end == TransactionEnd::Abandoned; }

    // The years of the files changed, comma-separated, in the order met.
    std::string Years() const;
};

struct JournalContents {
    std::string folder;                             // the folder identity of the first record
    std::uint64_t firstId = 0;                      // the first transaction id the journal kept
    std::vector<JournalTransaction> transactions;   // in the order written
    bool damaged = false;  // a record failed its check; what came before it was dropped
};

std::string EncodeFolderRecord(const std::string& folder, std::uint64_t firstId);
// The folder identity and first id of a journal's first record, read from its
// first bytes; false when they do not start with a valid one.
bool ReadFolderRecord(const std::string& head, std::string& folder, std::uint64_t& firstId);
std::string EncodeBegin(const JournalTransaction& tx);
std::string EncodeChange(std::uint64_t id, const FileChange& change);
std::string EncodeEnd(std::uint64_t id, TransactionEnd end, const std::string& description = {});
// A whole transaction as written (Begin, Changes, End).
std::string EncodeTransaction(const JournalTransaction& tx);

JournalContents ParseJournal(const std::string& bytes);

// What the last record of a journal says, read from its final bytes alone
// (`tail`, at most kTailReadSize of them): the id of the transaction it ended
// when it is a valid End record, nothing otherwise.
std::optional<std::uint64_t> EndedIdOfTail(const std::string& tail);
inline constexpr std::size_t kTailReadSize = 4096;

}  // namespace tessamo
