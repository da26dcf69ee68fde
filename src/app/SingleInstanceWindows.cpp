#include "app/SingleInstance.h"

#include <QLocalSocket>

#include <windows.h>

#include <sddl.h>

#include <memory>
#include <vector>

namespace markast {

namespace {

// The user a process runs as, from its token: a TOKEN_USER in a buffer of its size.
std::vector<char> tokenUser(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> user(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size))
        user.clear();
    CloseHandle(token);
    return user;
}

PSID sidOf(std::vector<char>& user) {
    return reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
}

} // namespace

// Pipe names are one namespace for the whole machine, and the same user may be logged on in
// several sessions at once: the name holds both, so that each session has its own window.
std::optional<QString> SingleInstance::socketPath(QString& why) {
    std::vector<char> user = tokenUser(GetCurrentProcess());
    DWORD session = 0;
    wchar_t* sid = nullptr;
    if (user.empty() || !ProcessIdToSessionId(GetCurrentProcessId(), &session) ||
        !ConvertSidToStringSidW(sidOf(user), &sid)) {
        why = QStringLiteral("this user's SID or logon session is unknown (error %1)")
                  .arg(GetLastError());
        return std::nullopt;
    }
    const QString name =
        QStringLiteral("markast-%1-%2").arg(QString::fromWCharArray(sid)).arg(session);
    LocalFree(sid);
    return name;
}

// Anyone may make a pipe of any name first; the program that serves it is checked instead.
bool SingleInstance::isThisUsersServer(QLocalSocket& socket, QString& why) {
    ULONG serverId = 0;
    DWORD serverSession = 0;
    DWORD ownSession = 0;
    if (!GetNamedPipeServerProcessId(HANDLE(socket.socketDescriptor()), &serverId) ||
        !ProcessIdToSessionId(serverId, &serverSession) ||
        !ProcessIdToSessionId(GetCurrentProcessId(), &ownSession)) {
        why =
            QStringLiteral("the pipe's server cannot be identified (error %1)").arg(GetLastError());
        return false;
    }
    const std::unique_ptr<void, decltype(&CloseHandle)> server(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId), &CloseHandle);
    std::vector<char> serverUser = server ? tokenUser(server.get()) : std::vector<char>();
    std::vector<char> ownUser = tokenUser(GetCurrentProcess());
    if (serverUser.empty() || ownUser.empty() || !EqualSid(sidOf(serverUser), sidOf(ownUser)) ||
        serverSession != ownSession) {
        why = QStringLiteral("the pipe is served by process %1 of another user or session")
                  .arg(serverId);
        return false;
    }
    return true;
}

} // namespace markast
