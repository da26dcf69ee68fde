#include "registry/Registry.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace markast {

std::vector<std::string> regFileLocations() {
    std::vector<std::string> locations;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        locations.push_back(std::string(config) + "/Markast/registry.reg");
    else if (const char* home = std::getenv("HOME"); home && *home)
        locations.push_back(std::string(home) + "/.config/Markast/registry.reg");
    locations.push_back("/etc/markast/registry.reg");
    return locations;
}

std::unique_ptr<Registry> systemRegistry() {
    for (const std::string& location : regFileLocations()) {
        std::ifstream file(location, std::ios::binary);
        if (!file)
            continue;
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        auto hive = parseRegFile(bytes);
        return std::make_unique<RegFileRegistry>(hive ? std::move(*hive) : RegFileRegistry::Hive());
    }
    return std::make_unique<RegFileRegistry>(RegFileRegistry::Hive());
}

} // namespace markast
