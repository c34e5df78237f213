#pragma once
// The report's category list file "tempcats.$$$": the categories chosen in
// the report window, handed to the report generator and the export. For a
// list of N categories (N >= 1) the file holds N + 1 records of 18 bytes:
// record 1 is 18 zero bytes, which matches no ledger line, and records 2
// onward are the chosen categories in list order. An empty list gives an
// empty file. The file is rebuilt from nothing for each selection, so a
// leftover of an interrupted run never adds categories.
#include <string>
#include <string_view>
#include <vector>

#include "core/Records.h"
#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kReportCategoryFile = "tempcats.$$$";

// The records the file holds for `chosen` (blank record first unless empty).
std::vector<CategoryRecord> ReportCategoryRecords(const std::vector<CategoryRecord>& chosen);

// Whether a report's list is the categories the user chose or all of the
// year's categories (the report window's "All Cats", the commands' "all").
enum class CategoryScope { Chosen, All };

// The name under which an all-categories report lists a code no category holds.
inline constexpr const char* kNoCategoryName = "(no category)";

// The records for `chosen`; with CategoryScope::All, followed by one record
// for each code the ledger's lines carry that no entry of `chosen` holds, in
// code order, named kNoCategoryName. Lines of a deleted category or of files
// made elsewhere thus stay in an all-categories report and export, whose
// totals then agree with the main window's.
std::vector<CategoryRecord> ReportCategoryRecords(const std::vector<CategoryRecord>& chosen, CategoryScope scope,
                                                  std::string_view ledger);

// MakeRepCatFile: writes "tempcats.$$$" for the chosen categories (each code
// and name cut or padded to its width).
Status MakeRepCatFile(FileSystem& files, const std::vector<CategoryRecord>& chosen);

// Reads what the report and the export work from: every whole record of the
// category list file `catfile` (the blank first one included), then the bytes
// of the ledger file `ledgerFile`. The first failure ends the reading.
Status ReadReportInputs(const FileSystem& files, const std::string& catfile, const std::string& ledgerFile,
                        std::vector<CategoryRecord>& categories, std::string& ledger);

}  // namespace tessamo
