#include "widgets/PageOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/QtPrinter.h"

namespace tessamo {

bool PrinterInstalled() { return !QPrinterInfo::defaultPrinter().isNull(); }

void SetUpReportPdf(QPdfWriter& writer) {
    writer.setResolution(QPrinter(QPrinter::HighResolution).resolution());
    writer.setPageLayout(ReportPageLayout());
    writer.setTitle(QStringLiteral("Cashflow report"));
    writer.setCreator(QStringLiteral("Tessamo"));
}

QString HomeFile(const std::string& name) { return QDir::home().filePath(QString::fromStdString(name)); }

std::optional<QString> ChooseSaveFile(Dialogs& dialogs, const std::string& title, const QString& suggested,
                                      const std::string& filter) {
    const std::optional<std::string> path =
        dialogs.ChooseFile({ChooserKind::SaveFile, title, suggested.toStdString(), filter});
    if (!path) return std::nullopt;
    return QString::fromStdString(*path);
}

Status SaveWholeFile(const FileSystem& files, const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    return files.OtherFolder(target.absolutePath().toStdString())
        ->ReplaceWhole(target.fileName().toStdString(), "tempout.$$$",
                       std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tessamo
