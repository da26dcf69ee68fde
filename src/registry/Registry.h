#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Plain C++ only: this layer is also built with a Windows cross compiler, where it talks to
// the real registry.
namespace markast {

// The three registry calls of advapi32, with their status codes. Texts are ANSI bytes.
class Registry {
public:
    using Handle = std::intptr_t;

    static constexpr Handle HkeyCurrentUser = static_cast<std::int32_t>(0x80000001u);
    static constexpr Handle HkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);
    static constexpr std::uint32_t KeyAccess = 0x2003F;
    static constexpr std::uint32_t TypeSz = 1;
    static constexpr std::uint32_t TypeBinary = 3;
    static constexpr std::uint32_t TypeDword = 4;
    static constexpr long Success = 0;
    static constexpr long FileNotFound = 2;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    virtual ~Registry() = default;
    virtual long openKey(Handle root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, Handle& result) = 0;
    // size holds the buffer's size on entry and the value's size on return.
    virtual long queryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(Handle key) = 0;
};

// A read-only registry built from a file in the .reg export format ("REGEDIT4" or
// "Windows Registry Editor Version 5.00"). A file that does not parse holds no keys.
class RegFileRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = TypeSz;
        std::vector<unsigned char> data;
    };
    // Key paths and value names are looked up without regard to letter case, as Windows does.
    using Hive = std::map<std::string, std::map<std::string, Value>>;

    explicit RegFileRegistry(Hive hive) : hive_(std::move(hive)) {}

    long openKey(Handle root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t access, Handle& result) override;
    long queryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override;
    long closeKey(Handle key) override;

private:
    Hive hive_;
    std::map<Handle, std::string> openKeys_;
    Handle nextHandle_ = 1;
};

// Parses the text of a .reg file (UTF-8, Latin-1 or UTF-16LE with its byte-order mark).
// Nothing when any line is malformed.
std::unique_ptr<RegFileRegistry::Hive> parseRegFile(const std::string& bytes);

// Where the hive is read from: $XDG_CONFIG_HOME/Markast/registry.reg (by default
// ~/.config/Markast/registry.reg), else /etc/markast/registry.reg.
std::vector<std::string> regFileLocations();

// The registry of this machine: on Windows the real one, elsewhere the first .reg file found
// at regFileLocations(), or an empty one.
std::unique_ptr<Registry> systemRegistry();

} // namespace markast
