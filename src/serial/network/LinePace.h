#pragma once

#include "serial/Line.h"

#include <QtGlobal>

namespace markast {

// Bytes a second a line carries with these settings: a start bit, the data bits, the parity
// bit and the stop bits make one character. 9600 baud 8N1 is 960 bytes a second.
double lineBytesPerSecond(const LineSettings& settings);

// An estimate of how far the marker's line behind a device server has got: it carries bytes at
// the line's rate, only those the server has acknowledged, and not while the line is held.
// Whoever feeds the server keeps within a lead of line time ahead of it, so that the server
// never holds more than a moment of marking, and "complete" can wait for the estimate.
class LinePace {
public:
    // How far ahead of the estimate the bytes handed to the server may get.
    static constexpr double LeadSeconds = 1.5;

    explicit LinePace(double bytesPerSecond = 960) : rate_(bytesPerSecond) {}

    void setBytesPerSecond(double bytesPerSecond) { rate_ = bytesPerSecond; }
    // Starts again with nothing handed and nothing carried.
    void restart();
    // Moves the estimate on to nowMs: acknowledged is how many of the handed bytes the server
    // has acknowledged; held says the line carried nothing since the last call. Time in which
    // the estimate had nothing to carry is not credited to later bytes.
    void advance(qint64 nowMs, qint64 acknowledged, bool held);
    void handed(qint64 count) { handed_ += count; }

    qint64 handedCount() const { return handed_; }
    // Bytes the line can have carried so far.
    qint64 carried() const { return qint64(carried_); }
    // Bytes handed over that the line cannot have carried yet.
    qint64 ahead() const { return handed_ - carried(); }
    // How many more bytes may be handed over now.
    qint64 room() const;

private:
    double rate_;
    double carried_ = 0;
    qint64 handed_ = 0;
    qint64 lastMs_ = -1;
};

} // namespace markast
