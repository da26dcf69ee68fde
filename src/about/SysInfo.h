#pragma once

#include <QString>

namespace markast {

class MessageBoxes;
class Registry;

// Starts another program by its path, in a normal window, without waiting for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // The path is the program itself: never split into arguments, never handed to a shell.
    // False for anything but an absolute path to an executable file.
    [[nodiscard]] virtual bool start(const QString& program) = 0;
};

class DetachedProcessStarter final : public ProcessStarter {
public:
    bool start(const QString& program) override;
};

// What System Info says when it finds no tool to start: the marker software's own words.
QString sysInfoUnavailableText();

// Finds the system-information tool in the registry and starts it, or tells the operator it is
// unavailable. Never fails to its caller.
void StartSysInfo(Registry& registry, ProcessStarter& processes, MessageBoxes& messages);

} // namespace markast
