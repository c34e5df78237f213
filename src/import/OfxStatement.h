#pragma once
// OFX and QFX statements, 1.x (SGML, where an element with a value needs no
// end tag) and 2.x (XML), bank, credit-card and investment accounts, read in
// one pass over the file's bytes in memory: no copy of the statement is
// written anywhere, and the work grows with the file's length only.
//
// Each <STMTTRN> becomes a line: its posting date (DTPOSTED, the first eight
// digits), its amount (TRNAMT, read exactly by the statement amount reader
// with the decimal mark the file's amounts show), FITID, NAME and MEMO, and
// the account of the <BANKACCTFROM>, <CCACCTFROM> or <INVACCTFROM> it stands
// under, named "BANKID BRANCHID ACCTID", "ACCTID ACCTKEY" or "BROKERID ACCTID"
// (the ids of import-ids.txt are keyed so). Texts that are not UTF-8 are
// read as Windows-1252.
#include <string>

#include "import/Statement.h"
#include "import/StatementLimits.h"
#include "platform/Result.h"

namespace tessamo {

// True when the bytes begin (after a byte-order mark and blanks) as an OFX
// file does: an "OFXHEADER:" line, an XML declaration, or "<OFX>".
bool LooksLikeOfx(const std::string& bytes);

// Corruption when the bytes hold no <OFX> element; InvalidArgument when they
// break a limit (aggregates nested deeper than limits.maxDepth, a value
// longer than limits.maxLine).
Result<Statement> ReadOfxStatement(const std::string& bytes, const StatementLimits& limits = {});

}  // namespace tessamo
