#include "registry/Registry.h"

#include <windows.h>

namespace markast {

namespace {

HKEY toHkey(Registry::Handle handle) {
    return reinterpret_cast<HKEY>(handle);
}

// The registry of advapi32, called with ANSI texts.
class Win32Registry final : public Registry {
public:
    long openKey(Handle root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t access, Handle& result) override {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(toHkey(root), subKey.c_str(), options, access, &opened);
        result = reinterpret_cast<Handle>(opened);
        return status;
    }

    long queryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG status =
            RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return status;
    }

    long closeKey(Handle key) override { return RegCloseKey(toHkey(key)); }
};

} // namespace

std::unique_ptr<Registry> systemRegistry() {
    return std::make_unique<Win32Registry>();
}

} // namespace markast
