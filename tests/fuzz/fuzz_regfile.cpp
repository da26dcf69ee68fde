// Any bytes given as a .reg file: the parser either refuses them or builds a hive under the
// roots it knows, and every value of that hive can be queried like the registry.
#include "registry/Registry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto hive = markast::parseRegFile(text);
    if (!hive)
        return 0;
    // Each value under the root its key names: the same path may also lie above a key of the
    // other root, where it holds no values.
    struct Value {
        markast::Registry::Handle root;
        std::string subKey;
        std::string name;
    };
    std::vector<Value> values;
    for (const auto& [key, named] : *hive) {
        const bool machine = key.rfind("hkey_local_machine\\", 0) == 0;
        if (!machine && key.rfind("hkey_current_user\\", 0) != 0)
            std::abort();
        for (const auto& entry : named)
            values.push_back(
                {machine ? markast::Registry::HkeyLocalMachine : markast::Registry::HkeyCurrentUser,
                 key.substr(key.find('\\') + 1), entry.first});
    }
    markast::RegFileRegistry registry(std::move(*hive));
    for (const auto& [root, subKey, name] : values) {
        markast::Registry::Handle key = 0;
        if (registry.openKey(root, subKey, 0, markast::Registry::KeyAccess, key) !=
            markast::Registry::Success)
            std::abort();
        unsigned char buffer[1024];
        std::uint32_t type = 0;
        std::uint32_t length = sizeof buffer;
        const long status = registry.queryValue(key, name, type, buffer, length);
        if (status != markast::Registry::Success && status != markast::Registry::MoreData)
            std::abort();
        registry.closeKey(key);
    }
    return 0;
}
