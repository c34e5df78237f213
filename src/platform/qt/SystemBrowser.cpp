#include "platform/qt/SystemBrowser.h"

#include <QProcess>
#include <QStringList>

#include <cstdlib>

namespace tessamo {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

std::string SystemBrowser::Find(const std::string& /*scratchFile*/) {
    return FindBrowserProgram(Variable("BROWSER"), Variable("PATH"));
}

Status SystemBrowser::Start(const std::string& command, const std::string& address) {
    QStringList arguments;
    for (const std::string& word : BrowserArguments(command, address)) arguments << QString::fromStdString(word);
    if (arguments.isEmpty()) return Status::InvalidArgument(command, "no program named");
    const QString program = arguments.takeFirst();
    if (!QProcess::startDetached(program, arguments))
        return Status::IOError(program.toStdString(), "the program could not be started");
    return Status::Ok();
}

}  // namespace tessamo
