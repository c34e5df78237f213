#pragma once
// A bank statement as read from its file, before any ledger is looked at:
// one StatementLine per transaction, in the file's order. Texts are UTF-8;
// amounts are exact (x 10000), positive for money in, negative for money out.
// A line the reader could not make sense of keeps its line number and says
// why in `error`; the other fields are then what could be read.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"

namespace tessamo {

struct StatementLine {
    int lineNumber = 0;  // 1-based line of the file where the transaction starts
    CalendarDate date;
    std::int64_t amount = 0;
    std::string payee;
    std::string memo;
    std::string account; // the account an OFX file names, else empty
    std::string fitid;   // the bank's transaction id in that account (OFX), else empty
    std::string error;   // empty when the line was read whole
};

struct Statement {
    std::vector<StatementLine> lines;
};

}  // namespace tessamo
