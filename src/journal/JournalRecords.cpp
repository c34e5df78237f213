#include "journal/JournalRecords.h"

#include <zlib.h>

#include <cstring>
#include <map>

namespace tessamo {
namespace {

constexpr char kMagic[] = "TJRN";
constexpr std::size_t kMagicSize = 4;
constexpr std::size_t kFrameSize = kMagicSize + 1 + 4 + 4 + 4;  // magic, type, length, CRC, record length

enum class RecordType : std::uint8_t { Folder = 1, Begin = 2, Change = 3, End = 4 };

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutText(std::string& out, const std::string& text) {
    PutNumber(out, text.size(), 4);
    out += text;
}

std::uint32_t Crc(const char* data, std::size_t size) {
    return static_cast<std::uint32_t>(crc32_z(crc32_z(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data), size));
}

std::string Frame(RecordType type, const std::string& payload) {
    std::string record(kMagic, kMagicSize);
    record.push_back(static_cast<char>(type));
    PutNumber(record, payload.size(), 4);
    record += payload;
    PutNumber(record, Crc(record.data() + kMagicSize, record.size() - kMagicSize), 4);
    PutNumber(record, record.size() + 4, 4);
    return record;
}

// Reads numbers and texts out of a payload; any read past its end fails it.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Number(std::uint64_t& value, int bytes) {
        if (bytes_.size() - at_ < static_cast<std::size_t>(bytes)) return ok_ = false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
        at_ += bytes;
        return true;
    }
    bool Text(std::string& text) {
        std::uint64_t size = 0;
        if (!Number(size, 4) || bytes_.size() - at_ < size) return ok_ = false;
        text.assign(bytes_.substr(at_, size));
        at_ += size;
        return true;
    }
    bool Finished() const { return ok_ && at_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::uint64_t ReadNumber(std::string_view bytes, std::size_t at, int size) {
    std::uint64_t value = 0;
    Reader(bytes.substr(at, size)).Number(value, size);
    return value;
}

// One record at `at`: its type and payload, and the offset after it; false
// when the bytes there are not a whole, valid record.
bool ReadRecord(std::string_view bytes, std::size_t at, RecordType& type, std::string_view& payload, std::size_t& next) {
    if (bytes.size() - at < kFrameSize || bytes.compare(at, kMagicSize, kMagic) != 0) return false;
    const std::uint64_t length = ReadNumber(bytes, at + kMagicSize + 1, 4);
    if (bytes.size() - at - kFrameSize < length) return false;
    const std::size_t crcAt = at + kMagicSize + 5 + length;
    if (Crc(bytes.data() + at + kMagicSize, 5 + length) != ReadNumber(bytes, crcAt, 4)) return false;
    if (ReadNumber(bytes, crcAt + 4, 4) != kFrameSize + length) return false;
    type = static_cast<RecordType>(bytes[at + kMagicSize]);
    payload = bytes.substr(at + kMagicSize + 5, length);
    next = crcAt + 8;
    return true;
}

bool ParseBegin(std::string_view payload, JournalTransaction& tx) {
    Reader r(payload);
    std::uint64_t kind = 0, count = 0;
    if (!r.Number(tx.id, 8) || !r.Number(kind, 1) || kind > 2 || !r.Number(count, 4)) return false;
    tx.kind = static_cast<TransactionKind>(kind);
    for (std::uint64_t i = 0; i < count && i < payload.size(); ++i) {
        std::uint64_t target = 0;
        if (!r.Number(target, 8)) return false;
        tx.targets.push_back(target);
    }
    return r.Text(tx.time) && r.Text(tx.description) && r.Finished();
}

bool ParseChange(std::string_view payload, std::uint64_t& id, FileChange& change) {
    Reader r(payload);
    std::uint64_t flags = 0;
    const bool read = r.Number(id, 8) && r.Text(change.name) && r.Number(flags, 1) && r.Number(change.offset, 8) &&
                      r.Number(change.lengthBefore, 8) && r.Text(change.before) && r.Text(change.after) &&
                      r.Finished();
    change.existedBefore = flags & 1;
    change.existsAfter = flags & 2;
    return read && change.offset <= change.lengthBefore && change.before.size() <= change.lengthBefore - change.offset;
}

bool ParseEnd(std::string_view payload, std::uint64_t& id, TransactionEnd& end, std::string& description) {
    Reader r(payload);
    std::uint64_t how = 0;
    if (!r.Number(id, 8) || !r.Number(how, 1) || how < 1 || how > 3 || !r.Text(description) || !r.Finished())
        return false;
    end = static_cast<TransactionEnd>(how);
    return true;
}

// Takes one record into `contents`; false when it does not fit what came before.
bool Take(JournalContents& contents, RecordType type, std::string_view payload, std::map<std::uint64_t, std::size_t>& open) {
    auto& txs = contents.transactions;
    switch (type) {
        case RecordType::Folder: {
            Reader r(payload);
            return r.Text(contents.folder) && r.Number(contents.firstId, 8) && r.Finished();
        }
        case RecordType::Begin: {
            JournalTransaction tx;
            if (!ParseBegin(payload, tx)) return false;
            open[tx.id] = txs.size();
            txs.push_back(std::move(tx));
            return true;
        }
        case RecordType::Change: {
            std::uint64_t id = 0;
            FileChange change;
            if (!ParseChange(payload, id, change) || !open.count(id) || txs[open[id]].end != TransactionEnd::Open)
                return false;
            txs[open[id]].changes.push_back(std::move(change));
            return true;
        }
        case RecordType::End: {
            std::uint64_t id = 0;
            TransactionEnd end{};
            std::string description;
            if (!ParseEnd(payload, id, end, description) || !open.count(id)) return false;
            JournalTransaction& tx = txs[open[id]];
            tx.end = end;
            if (!description.empty()) tx.description = description;
            return true;
        }
    }
    return false;
}

// True when the bytes from `at` are the start of a record cut short by the
// end of the file.
bool TornAtEnd(std::string_view bytes, std::size_t at) {
    const std::size_t left = bytes.size() - at;
    if (left < kMagicSize + 5) return std::string_view(kMagic, kMagicSize).starts_with(bytes.substr(at));
    return bytes.compare(at, kMagicSize, kMagic) == 0 && ReadNumber(bytes, at + kMagicSize + 1, 4) + kFrameSize > left;
}

}  // namespace

std::string JournalTransaction::Years() const {
    std::string years;
    for (const FileChange& change : changes) {
        const std::string year = YearOfFile(change.name);
        if (year.empty() || (", " + years + ",").find(" " + year + ",") != std::string::npos) continue;
        years += (years.empty() ? "" : ",") + year;
    }
    return years;
}

std::string EncodeFolderRecord(const std::string& folder, std::uint64_t firstId) {
    std::string payload;
    PutText(payload, folder);
    PutNumber(payload, firstId, 8);
    return Frame(RecordType::Folder, payload);
}

bool ReadFolderRecord(const std::string& head, std::string& folder, std::uint64_t& firstId) {
    RecordType type{};
    std::string_view payload;
    std::size_t next = 0;
    if (!ReadRecord(head, 0, type, payload, next) || type != RecordType::Folder) return false;
    Reader r(payload);
    return r.Text(folder) && r.Number(firstId, 8) && r.Finished();
}

std::string EncodeBegin(const JournalTransaction& tx) {
    std::string payload;
    PutNumber(payload, tx.id, 8);
    PutNumber(payload, static_cast<std::uint8_t>(tx.kind), 1);
    PutNumber(payload, tx.targets.size(), 4);
    for (std::uint64_t target : tx.targets) PutNumber(payload, target, 8);
    PutText(payload, tx.time);
    PutText(payload, tx.description);
    return Frame(RecordType::Begin, payload);
}

std::string EncodeChange(std::uint64_t id, const FileChange& change) {
    std::string payload;
    PutNumber(payload, id, 8);
    PutText(payload, change.name);
    PutNumber(payload, (change.existedBefore ? 1 : 0) | (change.existsAfter ? 2 : 0), 1);
    PutNumber(payload, change.offset, 8);
    PutNumber(payload, change.lengthBefore, 8);
    PutText(payload, change.before);
    PutText(payload, change.after);
    return Frame(RecordType::Change, payload);
}

std::string EncodeEnd(std::uint64_t id, TransactionEnd end, const std::string& description) {
    std::string payload;
    PutNumber(payload, id, 8);
    PutNumber(payload, static_cast<std::uint8_t>(end), 1);
    PutText(payload, description);
    return Frame(RecordType::End, payload);
}

std::string EncodeTransaction(const JournalTransaction& tx) {
    std::string bytes = EncodeBegin(tx);
    for (const FileChange& change : tx.changes) bytes += EncodeChange(tx.id, change);
    if (tx.end != TransactionEnd::Open) bytes += EncodeEnd(tx.id, tx.end);
    return bytes;
}

JournalContents ParseJournal(const std::string& bytes) {
    JournalContents contents;
    std::map<std::uint64_t, std::size_t> open;  // the transactions read, by id
    std::size_t at = 0;
    while (at < bytes.size()) {
        RecordType type{};
        std::string_view payload;
        std::size_t next = 0;
        if (ReadRecord(bytes, at, type, payload, next) && Take(contents, type, payload, open)) {
            at = next;
            continue;
        }
        // A torn last record is what a crash while appending leaves: the
        // write it announced never started. Anything else is damage.
        if (TornAtEnd(bytes, at)) break;
        const std::size_t resume = bytes.find(kMagic, at + 1);
        contents.damaged = true;
        contents.transactions.clear();
        open.clear();
        if (resume == std::string::npos) break;
        at = resume;
    }
    return contents;
}

std::optional<std::uint64_t> EndedIdOfTail(const std::string& tail) {
    if (tail.size() < kFrameSize) return std::nullopt;
    const std::uint64_t length = ReadNumber(tail, tail.size() - 4, 4);
    if (length > tail.size() || length < kFrameSize) return std::nullopt;
    RecordType type{};
    std::string_view payload;
    std::size_t next = 0;
    std::uint64_t id = 0;
    TransactionEnd end{};
    std::string description;
    if (!ReadRecord(tail, tail.size() - length, type, payload, next) || type != RecordType::End ||
        !ParseEnd(payload, id, end, description) || end == TransactionEnd::Abandoned)
        return std::nullopt;
    return id;
}

}  // namespace tessamo
