#pragma once
// The budgets of one year: for each category code, an amount per month or
// none. Stored signed as the ledger stores amounts (an expense limit
// negative, an expected income positive), exact in ten-thousandths. A month
// without a budget has none; it is not a budget of zero.
//
// The file is one of ours in the data folder, year + "BUDGET.DAT" (found
// without regard to case, like the year's other files). Its name ends in
// ".dat" on purpose: the Backup window's patterns and the automatic backups
// copy it with the year's ledger and categories, and a restore brings it
// back. It is plain text, one item per line ended by "\n":
//
//   # comment lines, as many as there are; the file begins with some
//   tessamo budgets 1
//   <code><TAB><January><TAB>...<TAB><December>
//
// <code> is the category code's two bytes as the category file holds them
// (Windows-1252); a byte below "!", "%" and DEL are written as "%" and two
// hex digits ("A " is "A%20"). A month is "-" (no budget) or a signed
// decimal with at most four decimals ("-200", "1234.5", "-0.0001"). Lines
// are in code order. A file that does not keep this format is reported as
// damaged (line number and what is wrong), never read as empty.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kBudgetTempName = "tempbudg.$$$";

// year + "BUDGET.DAT".
std::string BudgetFileName(const std::string& year);

// A category's budget of each month, January first.
using MonthBudgets = std::array<std::optional<std::int64_t>, 12>;

class YearBudgets {
public:
    // The code's budgets (a two-byte code as the category file holds it);
    // null when it has none.
    const MonthBudgets* Find(const std::string& code) const;
    // Sets one month (1..12), or every month when `month` is 0; nothing
    // (std::nullopt) clears. A code left without any month goes.
    void Set(const std::string& code, int month, std::optional<std::int64_t> amount);
    // Every code with a budget, in code order.
    const std::map<std::string, MonthBudgets>& All() const { return codes_; }
    bool empty() const { return codes_.empty(); }
    void clear() { codes_.clear(); }
    bool operator==(const YearBudgets&) const = default;

    // The file's text, comment header first.
    std::string FileText() const;
    // Reads a file's text; Corruption naming `fileName`, the line and the
    // fault when it is not in the format (the budgets are then left empty).
    Status ReadText(const std::string& text, const std::string& fileName);

private:
    std::map<std::string, MonthBudgets> codes_;
};

// Reads the year's budget file; a missing file holds no budgets.
Status LoadBudgets(const FileSystem& files, const std::string& year, YearBudgets& budgets);
// Writes the year's budget file in one atomic rewrite (temp file, fsync,
// rename), one transaction named `description` (what history and undo show).
Status SaveBudgets(FileSystem& files, const std::string& year, const YearBudgets& budgets,
                   const std::string& description);

}  // namespace tessamo
