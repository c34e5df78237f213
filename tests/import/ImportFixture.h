#pragma once
// The import tests' data folder: the year 2026 (today 03-20-2026) with five
// categories and two ledger lines, and helpers that read a statement file of
// tests/data/import and enter it as the import window does.
#include <gtest/gtest.h>

#include <sstream>

#include "import/ImportApply.h"
#include "import/StatementFile.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {

class ImportTest : public ::testing::Test {
protected:
    ImportTest() : t({3, 20, 2026}) {
        t.PutCategories({CategoryRecord::Make("FE", "Fees"), CategoryRecord::Make("GR", "Groceries"),
                         CategoryRecord::Make("MI", "Misc"), CategoryRecord::Make("RE", "Rent"),
                         CategoryRecord::Make("SA", "Salary")});
        t.PutLedger({Line("03-20-26", "MI", -125000, "Existing line"),
                     Line("02-10-26", "SA", 21500000, "NORTHWIND PAYROLL")});
    }

    static StatementLine Txn(int lineNumber, CalendarDate date, std::int64_t amount, const std::string& payee) {
        StatementLine line;
        line.lineNumber = lineNumber;
        line.date = date;
        line.amount = amount;
        line.payee = payee;
        return line;
    }

    static std::string DataPath(const std::string& name) { return std::string(TESSAMO_TEST_DATA) + "/import/" + name; }

    Statement Read(const std::string& name) {
        const std::string bytes = ExpectedFile("import/" + name);
        CsvLayout layout;
        const Result<Statement> read = ReadStatement(bytes, DetectStatementFormat(bytes), std::nullopt, layout);
        EXPECT_TRUE(read.ok()) << name << ": " << read.status().reason();
        return read.ok() ? read.value() : Statement{};
    }

    ImportPlan Plan(const Statement& statement, ImportChoices choices = {"MI", false}) {
        ImportPlan plan;
        EXPECT_TRUE(ids.Load(t.files).ok());
        EXPECT_TRUE(PlanImport(t.state, statement, rules, ids, choices, plan).ok());
        return plan;
    }

    ImportCounts Enter(const ImportPlan& plan) {
        ImportCounts counts;
        EXPECT_EQ(ApplyImport(t.state, plan, ids, counts), ImportOutcome::Done);
        return counts;
    }

    // A ledger written out as "DATE|CODE|AMOUNT|NOTE" lines, fields as stored
    // and the amount in ten-thousandths, turned into the file's bytes.
    static std::string LedgerBytes(const std::string& text) {
        std::vector<LedgerRecord> records;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            std::string date, code, amount, note;
            std::getline(fields, date, '|');
            std::getline(fields, code, '|');
            std::getline(fields, amount, '|');
            std::getline(fields, note);
            records.push_back(LedgerRecord::Make(date, code, std::stoll(amount), note));
        }
        return EncodeRecords(records);
    }

    TestEnv t;
    ImportRules rules = ParseImportRules(ExpectedFile("import/rules.txt"));
    ImportedIds ids;
};

}  // namespace tessamo
