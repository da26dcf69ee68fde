#include "about/SysInfo.h"

#include "about/GetKeyValue.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

#include <exception>

namespace markast {

namespace {

Q_LOGGING_CATEGORY(lcAbout, "markast.about")

const std::string ToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
#ifdef Q_OS_WIN
const QString ToolFileName = QStringLiteral("\\MSINFO32.EXE");
#else
const QString ToolFileName = QStringLiteral("/MSINFO32.EXE");
#endif

// The tool's path, or an empty text when the registry names none that exists.
QString findTool(Registry& registry) {
    const auto root = static_cast<std::int32_t>(Registry::HkeyLocalMachine);
    std::string value;
    if (GetKeyValue(registry, root, ToolPathKey, "PATH", value))
        return QString::fromLocal8Bit(value); // taken as it stands, even when stale
    if (!GetKeyValue(registry, root, ToolFolderKey, "MSINFO", value))
        return {};
    const QString tool = QString::fromLocal8Bit(value) + ToolFileName;
    return QFileInfo(tool).isFile() ? tool : QString();
}

} // namespace

namespace {

// Windows counts batch files executable too, and would run them in the command shell: there
// only a program itself is started.
bool isProgram(const QFileInfo& file) {
#ifdef Q_OS_WIN
    const QString suffix = file.suffix();
    return suffix.compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("com"), Qt::CaseInsensitive) == 0;
#else
    return file.isExecutable();
#endif
}

} // namespace

// Only a program named whole is started, never one looked up on PATH or in the current folder.
bool DetachedProcessStarter::start(const QString& program) {
    const QFileInfo file(program);
    return file.isAbsolute() && file.isFile() && isProgram(file) &&
           QProcess::startDetached(program, {});
}

void StartSysInfo(Registry& registry, ProcessStarter& processes, MessageBoxes& messages) {
    try {
        const QString tool = findTool(registry);
        if (!tool.isEmpty() && processes.start(tool))
            return;
        qCWarning(lcAbout, "no system-information tool could be started: %s",
                  tool.isEmpty() ? "the registry names none that exists" : qUtf8Printable(tool));
    } catch (const std::exception& failure) {
        qCWarning(lcAbout, "the registry could not be read: %s", failure.what());
    }
    messages.show(sysInfoUnavailableText(), ApplicationTitle, MessageBoxes::Icon::None);
}

QString sysInfoUnavailableText() {
    return QCoreApplication::translate("SysInfo", "System Information Is Unavailable At This Time");
}

} // namespace markast
