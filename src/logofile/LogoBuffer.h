#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <span>
#include <vector>

namespace markast {

// The logo as loaded from its file: the file's bytes sit at indices 1 to LogoLength in file
// order; index 0 is never written or sent. Code outside the load and the send works on the
// payload only.
struct LogoBuffer {
    std::int32_t LogoLength = 0;
    std::vector<std::uint8_t> LogoData;

    // Re-creates the buffer for length bytes, all zero. Throws std::bad_alloc.
    void recreate(std::int32_t length) {
        LogoLength = length;
        LogoData.assign(static_cast<std::size_t>(length) + 1, 0);
    }

    // The file's bytes, indices 1 to LogoLength.
    QByteArrayView payload() const {
        return LogoData.empty() ? QByteArrayView() : QByteArrayView(LogoData).sliced(1);
    }
    // The same bytes, for the load to fill.
    std::span<std::uint8_t> payloadToFill() {
        return LogoData.empty() ? std::span<std::uint8_t>() : std::span(LogoData).subspan(1);
    }
};

} // namespace markast
