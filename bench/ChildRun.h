#pragma once

#include "support/Pty.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <chrono>
#include <cstdio>

namespace markast::bench {

// Runs program with arguments to its end and waits until reader has size bytes: the seconds
// from the start to the last byte. Bytes that never arrive are said, not hidden.
inline double secondsUntilArrived(const QString& program, const QStringList& arguments,
                                  test::FarEndReader& reader, qint64 size,
                                  std::chrono::milliseconds timeout) {
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(program, arguments);
    child.waitForFinished(-1);
    if (!reader.waitForBytes(size, timeout))
        std::printf("  warning: %lld of %lld bytes arrived\n",
                    static_cast<long long>(reader.bytes().size()), static_cast<long long>(size));
    return timer.nsecsElapsed() / 1e9;
}

} // namespace markast::bench
