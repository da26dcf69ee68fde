// libFuzzer: whatever a server sends, the Telnet COM port reader neither crashes nor hangs, its
// answers grow no faster than what the server sends, and the data sent after it still goes out
// whole, each 0xFF doubled and nothing else added.
#include "serial/network/TelnetComPort.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray sent;
    markast::TelnetComPort telnet([&sent](QByteArrayView bytes) { sent.append(bytes); });
    telnet.start();
    telnet.requestLineSettings({});
    sent.clear();
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    telnet.receive(input.first(size / 2));
    telnet.receive(input.sliced(size / 2));
    // An answer is never longer than what it answers; the line settings come on top, once.
    if (sent.size() > input.size() + 256)
        std::abort();
    (void)telnet.lineHeld();
    (void)telnet.negotiationSeen();
    (void)telnet.farEndSending();
    (void)telnet.unconfirmed();
    (void)telnet.settled();
    (void)telnet.differingSetting();
    (void)telnet.unansweredSettings();

    const QByteArray payload("\xff\x00\xff\xff\xfa\x2c\r\n", 8);
    sent.clear();
    telnet.sendData(payload);
    QByteArray doubled;
    for (const char c : payload)
        doubled.append(c == '\xff' ? QByteArray(2, c) : QByteArray(1, c));
    if (sent != doubled)
        std::abort();
    return 0;
}
