#include "export/SpreadsheetExport.h"

#include <cstdio>

#include "core/CodeTable.h"
#include "core/FixedText.h"
#include "core/LedgerBytes.h"
#include "export/SpreadsheetField.h"
#include "platform/CodePage.h"

namespace tessamo {

std::string SpreadsheetNumber(AmountSum amount) {
    const bool negative = amount < 0;
    const AmountSum magnitude = negative ? -amount : amount;
    const auto whole = static_cast<unsigned long long>(magnitude / kAmountScale);
    const auto fraction = static_cast<unsigned>(magnitude % kAmountScale);
    char text[64];
    if (fraction % 100 == 0) std::snprintf(text, sizeof text, "%s%llu.%02u", negative ? "-" : "", whole, fraction / 100);
    else std::snprintf(text, sizeof text, "%s%llu.%04u", negative ? "-" : "", whole, fraction);
    return text;
}

namespace {

// yyyy-mm-dd of a stored date in `style` ("A" mm-dd-yy, "E" dd-mm-yy).
std::string IsoDate(std::string_view stored, const std::string& style, const std::string& year) {
    const std::string_view month = style == "E" ? stored.substr(3, 2) : stored.substr(0, 2);
    const std::string_view day = style == "E" ? stored.substr(0, 2) : stored.substr(3, 2);
    return year + "-" + std::string(month) + "-" + std::string(day);
}

void AppendText(std::string& out, std::string_view cp1252) {
    out += ',';
    AppendSpreadsheetField(out, Cp1252ToUtf8(TrimRightBlanks(std::string(cp1252))));
}

}  // namespace

std::string SpreadsheetExportText(const std::vector<CategoryRecord>& categories, std::string_view ledgerBytes,
                                  const LineItemsExportOptions& options) {
    std::string out = "Date,Amount,Code,Category,Note\r\n";
    if (options.dateStyle != "A" && options.dateStyle != "E") return out;
    CodeTable<const CategoryRecord*> names;
    for (const CategoryRecord& c : categories)
        if (!names.Find(CodeKey(c.Code))) names[CodeKey(c.Code)] = &c;
    const LedgerBytesView ledger(ledgerBytes);
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        const LedgerBytesRecord r = ledger[i];
        const CategoryRecord* const* category = names.Find(CodeKey(r.Code()));
        if (!category) continue;
        const double month = MonthOfDate(r.Date(), options.dateStyle);
        if (month < options.startMonth || month > options.endMonth) continue;
        out += IsoDate(r.Date(), options.dateStyle, options.year);
        out += ',';
        out += SpreadsheetNumber(r.Amount());
        AppendText(out, r.Code());
        AppendText(out, (*category)->Name);
        AppendText(out, r.Note());
        out += "\r\n";
    }
    return out;
}

}  // namespace tessamo
