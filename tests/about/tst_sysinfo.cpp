// Finding and starting the system-information tool.
#include "about/SysInfo.h"
#include "support/AboutFakes.h"
#include "support/Fakes.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

namespace {

const std::string TryOne = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
const std::string TryTwo = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n";

// A .reg quoted text for a path.
std::string regText(const QString& path) {
    std::string text;
    for (const char c : path.toStdString()) {
        if (c == '\\' || c == '"')
            text += '\\';
        text += c;
    }
    return '"' + text + '"';
}

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingProcessStarter processes;
    RecordingMessageBoxes messages;

    void verifyUnavailable() {
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(messages.shown[0].title, QStringLiteral("Markast"));
        QCOMPARE(messages.shown[0].icon, MessageBoxes::Icon::None);
    }

private Q_SLOTS:
    void init() {
        processes = RecordingProcessStarter();
        messages = RecordingMessageBoxes();
    }

    void theFirstPlaceIsStartedAsItStands() {
        const QString tool = QStringLiteral("/opt/sys tools/\"quoted\" info;echo");
        RecordingRegistry registry("REGEDIT4\n" + TryOne + "\"PATH\"=" + regText(tool) + "\n" +
                                   TryTwo + "\"MSINFO\"=\"/elsewhere\"\n");
        StartSysInfo(registry, processes, messages);
        QCOMPARE(processes.started, QStringList{tool});
        QVERIFY(messages.shown.empty());
        for (const QString& call : registry.calls)
            QVERIFY(!call.contains(QStringLiteral("Location")));
    }

    void aStaleFirstPlaceGivesTheMessageWithoutTryingTheSecond() {
        processes.startSucceeds = false;
        RecordingRegistry registry("REGEDIT4\n" + TryOne + "\"PATH\"=\"/gone/msinfo32\"\n" +
                                   TryTwo + "\"MSINFO\"=" + regText(dir.path()) + "\n");
        StartSysInfo(registry, processes, messages);
        QCOMPARE(processes.started, QStringList{"/gone/msinfo32"});
        verifyUnavailable();
        for (const QString& call : registry.calls)
            QVERIFY(!call.contains(QStringLiteral("Location")));
    }

    void theSecondPlaceNamesTheToolsFolder() {
        QFile tool(dir.filePath("MSINFO32.EXE"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.close();
        RecordingRegistry registry("REGEDIT4\n" + TryTwo + "\"MSINFO\"=" +
                                   regText(QDir::toNativeSeparators(dir.path())) + "\n");
        StartSysInfo(registry, processes, messages);
        QCOMPARE(processes.started,
                 QStringList{QDir::toNativeSeparators(dir.filePath("MSINFO32.EXE"))});
        QVERIFY(messages.shown.empty());
    }

    void aSecondPlaceWithoutTheToolGivesTheMessage() {
        QTemporaryDir empty;
        RecordingRegistry registry("REGEDIT4\n" + TryTwo + "\"MSINFO\"=" + regText(empty.path()) +
                                   "\n");
        StartSysInfo(registry, processes, messages);
        QVERIFY(processes.started.isEmpty());
        verifyUnavailable();
    }

    void unreadablePlacesGiveTheMessage_data() {
        QTest::addColumn<QString>("reg");
        QTest::newRow("neither place") << "REGEDIT4\n";
        QTest::newRow("a path of another type")
            << QString::fromStdString("REGEDIT4\n" + TryOne + "\"PATH\"=hex:01,02\n");
        QTest::newRow("a path without a NUL") << QString::fromStdString(
            "REGEDIT4\n" + TryOne + "\"PATH\"=hex(1):" + hexList(1024, "41") + "\n");
    }

    void unreadablePlacesGiveTheMessage() {
        QFETCH(QString, reg);
        RecordingRegistry registry(reg.toStdString());
        StartSysInfo(registry, processes, messages);
        QVERIFY(processes.started.isEmpty()); // an empty or unreadable path is never started
        verifyUnavailable();
    }

#ifdef Q_OS_UNIX
    void theStarterRunsThePathItselfWithoutAShell() {
        // A program whose path has blanks, quotes and a semicolon in it.
        const QString folder = dir.filePath("sys info \"x\";true");
        QVERIFY(QDir().mkpath(folder));
        const QString program = folder + "/tool";
        const QString marker = dir.filePath("ran");
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\necho \"$#\" > '" + marker + "'\n").toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));

        DetachedProcessStarter starter;
        QVERIFY(starter.start(program));
        const auto written = [&] {
            QFile ran(marker);
            return ran.open(QIODevice::ReadOnly) ? ran.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(written().endsWith('\n'), 10000);
        QCOMPARE(written().trimmed(), QByteArray("0")); // no arguments split off the path
    }
#endif

    // Whatever the registry says, only an executable file named by an absolute path starts.
    void theStarterRefuses_data() {
        QTest::addColumn<QString>("program");
        const QString plain = writeFile(dir.filePath("plain.txt"), "#!/bin/sh\n");
        QTest::newRow("nothing") << "";
        QTest::newRow("a name looked up on PATH") << "sh";
        QTest::newRow("a relative path") << "./sh";
        QTest::newRow("a folder") << dir.path();
        QTest::newRow("a file that is not executable") << plain;
        QTest::newRow("a missing file") << dir.filePath("no such tool");
#ifdef Q_OS_WIN
        // Windows would hand these to the command shell.
        QTest::newRow("a batch file") << writeFile(dir.filePath("tool.bat"), "@echo off\r\n");
        QTest::newRow("a command script") << writeFile(dir.filePath("tool.cmd"), "@echo off\r\n");
#endif
    }

    void theStarterRefuses() {
        QFETCH(QString, program);
        const QString cwd = QDir::currentPath();
        QDir::setCurrent("/bin"); // where "./sh" would be found
        DetachedProcessStarter starter;
        const bool started = starter.start(program);
        QDir::setCurrent(cwd);
        QVERIFY(!started);
    }
};

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
