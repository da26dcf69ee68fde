#include "about/GetKeyValue.h"

#include <array>
#include <cstring>

namespace markast {

namespace {
constexpr std::uint32_t ValueBufferSize = 1024;
}

bool GetKeyValue(Registry& registry, std::int32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    Registry::Handle hKey = 0;
    bool result = false;
    if (registry.openKey(KeyRoot, KeyName, 0, Registry::KeyAccess, hKey) != Registry::Success) {
        KeyVal.clear();
    } else {
        std::array<unsigned char, ValueBufferSize> buffer{};
        std::uint32_t size = ValueBufferSize;
        std::uint32_t type = 0;
        if (registry.queryValue(hKey, SubKeyRef, type, buffer.data(), size) != Registry::Success) {
            KeyVal.clear();
        } else {
            const auto* text = reinterpret_cast<const char*>(buffer.data());
            const void* nul = std::memchr(text, 0, buffer.size());
            if (!nul) {
                registry.closeKey(hKey);
                throw UnterminatedValue();
            }
            const std::string cut(text, static_cast<const char*>(nul));
            if (type == Registry::TypeSz) {
                KeyVal = cut;
            } else if (type == Registry::TypeDword) {
                // The four bytes, lowest first, as one unsigned number.
                const std::uint32_t number = buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) |
                                             (static_cast<std::uint32_t>(buffer[3]) << 24);
                KeyVal = std::to_string(number);
            }
            result = true;
        }
    }
    registry.closeKey(hKey);
    return result;
}

} // namespace markast
