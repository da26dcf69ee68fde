// The hand-over from a second Markast to the running window: the path arrives whole whatever it
// holds, a flood or a crowd of clients cannot hold the window, and without a private runtime
// folder there is no socket at all. On Windows the pipe admits only its user.
#include "app/SingleInstance.h"
#include "support/TestData.h"

#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#else
#include <windows.h>

#include <aclapi.h>
#endif

using namespace markast;
using namespace markast::test;

namespace {

// Hands file over from a thread of its own while this one answers.
SingleInstance::HandOver handOverWhileListening(const QString& file, QString& answer) {
    std::atomic<bool> done = false;
    SingleInstance::HandOver result{};
    std::thread second([&] {
        result = SingleInstance::handOver(file, answer);
        done = true;
    });
    (void)QTest::qWaitFor([&] { return done.load(); }, 10000);
    second.join();
    return result;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir runtime;
    QStringList handed;

    QString listenOnce(SingleInstance& instance) {
        const bool listening = instance.listen([this](const QString& file) {
            handed.append(file);
            return QString();
        });
        return listening ? QString() : QStringLiteral("not listening");
    }

private Q_SLOTS:
    void init() {
        handed.clear();
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    void pathsArriveWhole_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("a newline") << "/logos/decoy.plt\nevil.plt";
        QTest::newRow("signs of a URL") << "/logos/50% #2 ?.plt";
        QTest::newRow("blanks at the ends") << "/logos/ a.plt ";
        QTest::newRow("not Latin") << "/logos/标志.plt";
        QTest::newRow("no file: come to the front") << "";
    }

    void pathsArriveWhole() {
        QFETCH(QString, file);
        const QByteArray message = handOverMessage(file);
        QVERIFY(!message.contains('\n'));
        QCOMPARE(handedOverFile(message), std::optional<QString>(file));
        SingleInstance instance;
        QCOMPARE(listenOnce(instance), QString());
        QString answer;
        QCOMPARE(handOverWhileListening(file, answer), SingleInstance::HandOver::Taken);
        QCOMPARE(handed, QStringList{file});
    }

    void linesThatNameNoFile_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("a bare path") << QByteArray("/logos/a.plt");
        QTest::newRow("a web address") << QByteArray("https://example.com/a.plt");
        QTest::newRow("broken encoding") << QByteArray("file:///a%zz.plt");
    }

    void linesThatNameNoFile() {
        QFETCH(QByteArray, line);
        QCOMPARE(handedOverFile(line), std::nullopt);
    }

#ifdef Q_OS_UNIX
    // A flood without a line end and a crowd that never speaks are dropped, and a real hand-over
    // still gets through. (On Windows a client beyond the pipe's free instances waits inside
    // connectToServer, so one thread cannot make a crowd.)
    void floodsAndCrowdsAreDropped() {
        SingleInstance instance;
        QCOMPARE(listenOnce(instance), QString());
        QString why;
        const QString socket = SingleInstance::socketPath(why).value_or(why);
        QLocalSocket flood;
        flood.connectToServer(socket);
        QVERIFY(flood.waitForConnected(1000));
        flood.write(QByteArray(8 << 20, 'x'));
        std::vector<std::unique_ptr<QLocalSocket>> crowd;
        for (int i = 0; i < 200; ++i) {
            crowd.push_back(std::make_unique<QLocalSocket>());
            crowd.back()->connectToServer(socket);
        }
        QTRY_COMPARE_WITH_TIMEOUT(flood.state(), QLocalSocket::UnconnectedState, 5000);
        const auto stillConnected = [&] {
            return std::count_if(crowd.begin(), crowd.end(), [](const auto& client) {
                return client->state() == QLocalSocket::ConnectedState;
            });
        };
        QTRY_VERIFY(stillConnected() <= SingleInstance::WaitingLimit);
        QTRY_COMPARE_WITH_TIMEOUT(stillConnected(), 0, SingleInstance::ClientDeadlineMs + 2000);
        QString answer;
        QCOMPARE(handOverWhileListening("/logos/a.plt", answer), SingleInstance::HandOver::Taken);
        QCOMPARE(handed, QStringList{"/logos/a.plt"});
    }

    // Qt falls back to a folder in the temporary folder, and refuses it when another user made
    // it first; a relative folder is no folder at all. Then no socket is made anywhere, and each
    // Markast is a window of its own.
    void noPrivateRuntimeFolderNoSocket_data() {
        QTest::addColumn<QString>("variable"); // XDG_RUNTIME_DIR, "others" standing for a folder
                                               // of another user's
        QTest::newRow("no XDG_RUNTIME_DIR") << "";
        QTest::newRow("another user's folder") << "others";
        QTest::newRow("a relative folder") << "relative";
    }

    void noPrivateRuntimeFolderNoSocket() {
        QFETCH(QString, variable);
        if (::geteuid() != 0)
            QSKIP("only root can make a folder another user owns");
        QTemporaryDir temporary;
        const QString fallback = temporary.filePath(
            QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
        const QString others = temporary.filePath("others");
        for (const QString& folder : {fallback, others}) {
            QVERIFY(QDir().mkdir(folder));
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        }
        qputenv("TMPDIR", temporary.path().toLocal8Bit());
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(temporary.path());
        QVERIFY(QDir().mkdir("relative", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner));
        if (variable.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", variable == "others" ? others.toLocal8Bit() : "relative");
        const bool rootHadSocket = QFile::exists("/markast.socket");
        SingleInstance instance;
        QCOMPARE(listenOnce(instance), QStringLiteral("not listening"));
        QString answer;
        QCOMPARE(SingleInstance::handOver("/logos/a.plt", answer),
                 SingleInstance::HandOver::NoneRunning);
        qunsetenv("TMPDIR");
        QDir::setCurrent(cwd);
        QCOMPARE(QFile::exists("/markast.socket"), rootHadSocket);
        for (const QString& folder : {fallback, others, temporary.filePath("relative")})
            QVERIFY(!QFile::exists(folder + "/markast.socket"));
    }
#else
    // Every entry of the pipe's access list is this user's.
    void thePipeAdmitsOnlyItsUser() {
        SingleInstance instance;
        QCOMPARE(listenOnce(instance), QString());
        QString why;
        QLocalSocket client;
        client.connectToServer(SingleInstance::socketPath(why).value_or(why));
        QVERIFY2(client.waitForConnected(1000), qPrintable(client.errorString()));
        PACL dacl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        QCOMPARE(GetSecurityInfo(HANDLE(client.socketDescriptor()), SE_KERNEL_OBJECT,
                                 DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                                 &descriptor),
                 DWORD(ERROR_SUCCESS));
        HANDLE token = nullptr;
        QVERIFY(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
        char user[256] = {};
        DWORD size = sizeof user;
        QVERIFY(GetTokenInformation(token, TokenUser, user, size, &size));
        CloseHandle(token);
        const PSID ownSid = reinterpret_cast<TOKEN_USER*>(user)->User.Sid;
        QVERIFY(dacl && dacl->AceCount > 0);
        for (DWORD i = 0; i < dacl->AceCount; ++i) {
            void* entry = nullptr;
            QVERIFY(GetAce(dacl, i, &entry));
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
            QCOMPARE(allowed->Header.AceType, BYTE(ACCESS_ALLOWED_ACE_TYPE));
            QVERIFY(EqualSid(&allowed->SidStart, ownSid));
        }
        LocalFree(descriptor);
    }
#endif
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
