#pragma once
// Reading and writing whole files of fixed-length records. The record count is
// the file length divided by the record length: a partial tail is never read.
// A missing file reads as zero records. Whole-file writes are atomic
// (FileSystem::ReplaceWhole); single records are overwritten in place.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

// The whole records of a file's bytes; a partial tail is left out.
template <class Record>
std::vector<Record> DecodeRecords(const std::string& bytes) {
    std::vector<Record> records;
    const std::size_t count = bytes.size() / Record::kSize;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) records.push_back(Record::Decode(bytes.data() + i * Record::kSize));
    return records;
}

template <class Record>
Status ReadRecords(const FileSystem& files, const std::string& name, std::vector<Record>& records) {
    records.clear();
    std::string bytes;
    Status s = files.ReadAll(name, bytes);
    if (s.ok()) records = DecodeRecords<Record>(bytes);
    return s;
}

template <class Record>
std::string EncodeRecords(const std::vector<Record>& records) {
    std::string bytes;
    bytes.reserve(records.size() * Record::kSize);
    for (const Record& r : records) r.AppendBytes(bytes);
    return bytes;
}

// Replaces the whole file by `records`, built first under `tempName`.
template <class Record>
Status RewriteRecords(FileSystem& files, const std::string& name, const std::string& tempName,
                      const std::vector<Record>& records) {
    return files.ReplaceWhole(name, tempName, EncodeRecords(records));
}

// Overwrites record `number` (1-based) in place; one past the end appends.
template <class Record>
Status WriteRecordAt(FileSystem& files, const std::string& name, std::size_t number, const Record& record) {
    std::string bytes;
    record.AppendBytes(bytes);
    return files.WriteAt(name, (number - 1) * Record::kSize, bytes);
}

// Number of whole records in the file.
template <class Record>
Status CountRecords(const FileSystem& files, const std::string& name, std::size_t& count) {
    std::uint64_t length = 0;
    Status s = files.FileLength(name, length);
    count = static_cast<std::size_t>(length / Record::kSize);
    return s;
}

}  // namespace tessamo
