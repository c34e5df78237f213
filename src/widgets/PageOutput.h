#pragma once
// What the windows that print share (the report, the charts): whether there
// is a printer, the PDF's page set-up, and saving a built file (a PDF, a PNG)
// where the user chose.
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

class QPdfWriter;

namespace tessamo {

// True when the system has a default printer to print to.
bool PrinterInstalled();

// Gives a PDF the printer's page layout and resolution, so that its lines and
// pages fall as on paper.
void SetUpReportPdf(QPdfWriter& writer);

// `name` in the user's home folder: where a saved file is suggested.
QString HomeFile(const std::string& name);

// Asks for a file to save (the chooser asks before replacing one); nothing
// when the user cancels.
std::optional<QString> ChooseSaveFile(Dialogs& dialogs, const std::string& title, const QString& suggested,
                                      const std::string& filter);

// Writes `bytes` as the file `path` through `files` (its folder may lie
// outside the data folder), whole: built beside it under a temp name, then
// renamed over it; a failure names the file and the reason.
Status SaveWholeFile(const FileSystem& files, const QString& path, const QByteArray& bytes);

}  // namespace tessamo
