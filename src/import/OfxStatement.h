#pragma once
// OFX and QFX statements, 1.x (SGML) and 2.x (XML), bank and credit-card,
// read through libofx. libofx hands amounts over as floating point, so the
// amount and the posting date are taken from the transaction's own text in
// the file (TRNAMT, DTPOSTED), paired with libofx's transactions in order;
// libofx gives the transaction id, payee, memo and account.
#include <string>

#include "import/Statement.h"

namespace tessamo {

// True when the bytes begin (after a byte-order mark and blanks) as an OFX
// file does: an "OFXHEADER:" line, an XML declaration, or "<OFX>".
bool LooksLikeOfx(const std::string& bytes);

// Reads the file at `path`, whose content is `bytes`. False with `error`
// when libofx refuses the file or its transactions cannot be paired.
bool ReadOfxStatement(const std::string& path, const std::string& bytes, Statement& statement, std::string& error);

}  // namespace tessamo
