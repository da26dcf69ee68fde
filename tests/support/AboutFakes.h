#pragma once

#include "about/SysInfo.h"
#include "registry/Registry.h"

#include <QStringList>

namespace markast::test {

// Passes every call on to a hive built from .reg text, and records it.
class RecordingRegistry final : public Registry {
public:
    explicit RecordingRegistry(const std::string& regText) : inner_(hiveOf(regText)) {}

    static RegFileRegistry::Hive hiveOf(const std::string& regText) {
        auto hive = parseRegFile(regText);
        return hive ? std::move(*hive) : RegFileRegistry::Hive();
    }

    long openKey(Handle root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t access, Handle& result) override {
        calls.append(QStringLiteral("open %1 %2 %3 %4")
                         .arg(root == HkeyLocalMachine ? "HKLM" : "?")
                         .arg(QString::fromStdString(subKey))
                         .arg(options)
                         .arg(access, 0, 16));
        return inner_.openKey(root, subKey, options, access, result);
    }
    long queryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        calls.append(
            QStringLiteral("query %1 size %2").arg(QString::fromStdString(valueName)).arg(size));
        return inner_.queryValue(key, valueName, type, data, size);
    }
    long closeKey(Handle key) override {
        calls.append(QStringLiteral("close %1").arg(key));
        return inner_.closeKey(key);
    }

    QStringList calls;

private:
    RegFileRegistry inner_;
};

class RecordingProcessStarter final : public ProcessStarter {
public:
    bool start(const QString& program) override {
        started.append(program);
        return startSucceeds && !program.isEmpty();
    }

    QStringList started;
    bool startSucceeds = true;
};

} // namespace markast::test
