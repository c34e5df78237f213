// Writes one generated year twice: as Tessamo's 1999TSM.DAT and 1999CATS.DAT
// and as a plain-text double-entry journal of the same transactions, for
// bench/peers.sh to time the command-line tools on equal work.
//
//   make_peer_files FOLDER [COUNT]     (COUNT defaults to 100000)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <unordered_map>

#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "support/LedgerGenerator.h"

using namespace tessamo;

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// "$1234.50" from ten-thousandths; the generator's amounts are whole cents.
std::string Dollars(std::int64_t amount) {
    const std::int64_t cents = (amount < 0 ? -amount : amount) / 100;
    char text[48];
    std::snprintf(text, sizeof text, "$%lld.%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

// One transaction: the category's account takes the amount, cash the rest.
// Expenses (negative amounts) and open items (zero) go to Expenses:, income
// to Income:, as a household's journal would book them.
void AppendTransaction(std::string& out, const LedgerRecord& r, const std::string& name) {
    const std::string note = TrimBlanks(r.Note);
    out += "19" + r.Date.substr(6, 2) + "-" + r.Date.substr(0, 2) + "-" + r.Date.substr(3, 2) + " ";
    out += note.empty() ? "(no note)" : note;
    out += "\n    ";
    out += r.Amount > 0 ? "Income:" + name + "  -" : "Expenses:" + name + "  ";
    out += Dollars(r.Amount);
    out += "\n    Assets:Cash\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_peer_files FOLDER [COUNT]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100000;
    const auto categories = bench::GenerateCategories();
    const auto records = bench::GenerateLedger(count);

    std::unordered_map<std::string, std::string> names;
    for (const CategoryRecord& c : categories) names[c.Code] = TrimBlanks(c.Name);
    // The ledger file holds the newest line first; a journal reads oldest first.
    std::string journal;
    journal.reserve(records.size() * 96);
    for (auto r = records.rbegin(); r != records.rend(); ++r) AppendTransaction(journal, *r, names[r->Code]);

    const bool ok = WriteFile(folder + "/1999TSM.DAT", EncodeRecords(records)) &&
                    WriteFile(folder + "/1999CATS.DAT", EncodeRecords(categories)) &&
                    WriteFile(folder + "/journal.ledger", journal);
    if (!ok) std::cerr << "make_peer_files: cannot write into " << folder << "\n";
    return ok ? 0 : 1;
}
