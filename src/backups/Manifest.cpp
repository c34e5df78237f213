#include "backups/Manifest.h"

#include <set>
#include <sstream>

#include "backups/BackupFiles.h"
#include "backups/Checksum.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "core/Records.h"

namespace tessamo {
namespace {

constexpr const char* kHeader = "tessamo backup 1";

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string SumText(AmountSum value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string digits;
    for (; value != 0; value /= 10) digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(value % 10) : value % 10)));
    return negative ? "-" + digits : digits;
}

bool ReadSum(const std::string& text, std::optional<AmountSum>& value) {
    if (text == "-") return true;
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (!AllDigits(digits) || digits.size() > 36) return false;
    AmountSum sum = 0;
    for (char c : digits) sum = sum * 10 + (c - '0');
    value = negative ? -sum : sum;
    return true;
}

bool ReadCount(const std::string& text, std::optional<std::uint64_t>& value) {
    if (text == "-") return true;
    if (!AllDigits(text) || text.size() > 19) return false;
    value = std::stoull(text);
    return true;
}

template <class T>
std::string OptionalText(const std::optional<T>& value) {
    if (!value) return "-";
    if constexpr (std::is_same_v<T, AmountSum>) return SumText(*value);
    else return std::to_string(*value);
}

// A problem's text on the state line: its line breaks as blanks.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// "<key><word>": the word (one plain name, as a folder id or a backup's name is).
bool ReadWordLine(const std::string& line, const std::string& key, std::string& word) {
    if (line.rfind(key, 0) != 0) return false;
    word = line.substr(key.size());
    return IsPlainFileName(word) && word.find(' ') == std::string::npos;
}

bool ParseFileLine(const std::string& line, ManifestFile& file) {
    std::istringstream in(line);
    std::string word, crc, size, records, income, expense;
    if (!(in >> word >> crc >> size >> records >> income >> expense) || word != "file") return false;
    if (crc.size() != 8 || crc.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
    if (!AllDigits(size) || size.size() > 19) return false;
    std::string name;
    std::getline(in >> std::ws, name);
    if (name.empty()) return false;
    file.name = name;
    file.crc = static_cast<std::uint32_t>(std::stoul(crc, nullptr, 16));
    file.size = std::stoull(size);
    return ReadCount(records, file.records) && ReadSum(income, file.income) && ReadSum(expense, file.expense);
}

}  // namespace

YearFileKind YearFileOf(const std::string& name, std::string& year) {
    const std::string upper = ToUpperAscii(name);
    if (upper.size() < 5 || !AllDigits(upper.substr(0, 4))) return YearFileKind::None;
    year = upper.substr(0, 4);
    if (upper.substr(4) == "TSM.DAT") return YearFileKind::Ledger;
    if (upper.substr(4) == "CATS.DAT") return YearFileKind::Categories;
    return YearFileKind::None;
}

ManifestFile DescribeFile(const std::string& name, const std::string& bytes) {
    ManifestFile file;
    file.name = name;
    file.crc = Crc32Of(bytes);
    file.size = bytes.size();
    std::string year;
    switch (YearFileOf(name, year)) {
        case YearFileKind::Ledger: {
            file.records = bytes.size() / LedgerRecord::kSize;
            AmountSum income = 0, expense = 0;
            for (std::uint64_t i = 0; i < *file.records; ++i) {
                const std::int64_t amount = DecodeInt64(bytes.data() + i * LedgerRecord::kSize + LedgerRecord::kAmountOffset);
                (amount > 0 ? income : expense) += amount;
            }
            file.income = income;
            file.expense = expense;
            break;
        }
        case YearFileKind::Categories:
            file.records = bytes.size() / CategoryRecord::kSize;
            break;
        case YearFileKind::None:
            break;
    }
    return file;
}

std::string ManifestText(const Manifest& manifest) {
    std::string text = std::string(kHeader) + "\n";
    text += manifest.good ? "state good\n" : "state bad " + OneLine(manifest.problem) + "\n";
    if (!manifest.folder.empty()) text += "folder " + manifest.folder + "\n";
    if (!manifest.pinned.empty()) text += "pinned " + manifest.pinned + "\n";
    for (const ManifestFile& f : manifest.files)
        text += "file " + ChecksumText(f.crc) + " " + std::to_string(f.size) + " " + OptionalText(f.records) + " " +
                OptionalText(f.income) + " " + OptionalText(f.expense) + " " + f.name + "\n";
    return text;
}

Status ParseManifest(const std::string& text, const std::string& fileName, Manifest& manifest) {
    manifest = Manifest{};
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return Status::Corruption(fileName, "not a backup manifest");
    if (!std::getline(in, line) || (line != "state good" && line.rfind("state bad", 0) != 0))
        return Status::Corruption(fileName, "the manifest has no state line");
    manifest.good = line == "state good";
    if (!manifest.good) manifest.problem = TrimBlanks(line.substr(9));
    std::set<std::string> names;
    for (int number = 3; std::getline(in, line); ++number) {
        const std::string where = "line " + std::to_string(number) + " of the manifest";
        if (ReadWordLine(line, "folder ", manifest.folder) || ReadWordLine(line, "pinned ", manifest.pinned)) continue;
        ManifestFile file;
        if (!ParseFileLine(line, file)) return Status::Corruption(fileName, where + " cannot be read");
        if (!IsBackedUpFileName(file.name)) return Status::Corruption(fileName, where + " names no file a backup holds");
        if (!names.insert(ToUpperAscii(file.name)).second) return Status::Corruption(fileName, where + " names a file twice");
        manifest.files.push_back(file);
    }
    return Status::Ok();
}

}  // namespace tessamo
