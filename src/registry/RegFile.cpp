#include "registry/Registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <sstream>

namespace markast {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Exports of "Version 5.00" are UTF-16LE; everything after is parsed as 8-bit text.
std::optional<std::string> toEightBit(const std::string& bytes) {
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE)
        return bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes;
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        std::uint32_t unit =
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit < 0xDC00) {
            if (i + 3 >= bytes.size())
                return std::nullopt;
            const std::uint32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                                      (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low < 0xDC00 || low >= 0xE000)
                return std::nullopt;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            return std::nullopt;
        }
        appendUtf8(out, unit);
    }
    return out;
}

// Logical lines: comments dropped, a trailing backslash joins the next line.
std::vector<std::string> logicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    std::string pending;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        line = first == std::string::npos ? std::string() : line.substr(first);
        if (pending.empty() && (line.empty() || line[0] == ';'))
            continue;
        if (!line.empty() && line.back() == '\\') {
            pending += line.substr(0, line.size() - 1);
            continue;
        }
        lines.push_back(pending + line);
        pending.clear();
    }
    if (!pending.empty())
        lines.push_back(pending);
    return lines;
}

// A quoted text starting at pos; pos moves past the closing quote.
std::optional<std::string> quoted(const std::string& line, std::size_t& pos) {
    if (pos >= line.size() || line[pos] != '"')
        return std::nullopt;
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return text;
        }
        if (c == '\\') {
            if (++pos >= line.size())
                return std::nullopt;
            const char escaped = line[pos];
            if (escaped == 'n')
                text += '\n';
            else if (escaped == 'r')
                text += '\r';
            else if (escaped == 't')
                text += '\t';
            else if (escaped == '0')
                text += '\0';
            else
                text += escaped; // \\ and \" stand for themselves
            continue;
        }
        text += c;
    }
    return std::nullopt;
}

bool allHexDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// One to eight hexadecimal digits, as a .reg file writes a number.
std::optional<std::uint32_t> hexNumber(const std::string& digits) {
    if (digits.empty() || digits.size() > 8 || !allHexDigits(digits))
        return std::nullopt;
    return static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
}

std::optional<std::vector<unsigned char>> hexBytes(const std::string& list) {
    std::vector<unsigned char> bytes;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto first = item.find_first_not_of(" \t");
        const auto last = item.find_last_not_of(" \t");
        if (first == std::string::npos) {
            if (in.eof())
                break; // a trailing comma
            return std::nullopt;
        }
        item = item.substr(first, last - first + 1);
        if (item.size() > 2 || !allHexDigits(item))
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(std::strtoul(item.c_str(), nullptr, 16)));
    }
    return bytes;
}

std::optional<RegFileRegistry::Value> valueData(const std::string& data) {
    RegFileRegistry::Value value;
    std::size_t pos = 0;
    if (data.rfind('"', 0) == 0) {
        const auto text = quoted(data, pos);
        if (!text || pos != data.size())
            return std::nullopt;
        value.type = Registry::TypeSz;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
        return value;
    }
    if (data.rfind("dword:", 0) == 0) {
        const auto number = hexNumber(data.substr(6));
        if (!number)
            return std::nullopt;
        value.type = Registry::TypeDword;
        for (int shift = 0; shift < 32; shift += 8)
            value.data.push_back(static_cast<unsigned char>(*number >> shift));
        return value;
    }
    if (data.rfind("hex", 0) == 0) {
        std::size_t colon = data.find(':');
        if (colon == std::string::npos)
            return std::nullopt;
        const std::string kind = data.substr(3, colon - 3);
        if (kind.empty()) {
            value.type = Registry::TypeBinary;
        } else {
            if (kind.size() < 3 || kind.front() != '(' || kind.back() != ')')
                return std::nullopt;
            const auto type = hexNumber(kind.substr(1, kind.size() - 2));
            if (!type)
                return std::nullopt;
            value.type = *type;
        }
        auto bytes = hexBytes(data.substr(colon + 1));
        if (!bytes)
            return std::nullopt;
        value.data = std::move(*bytes);
        return value;
    }
    return std::nullopt;
}

constexpr const char* RootNames[] = {"HKEY_LOCAL_MACHINE\\", "HKEY_CURRENT_USER\\"};
constexpr Registry::Handle RootHandles[] = {Registry::HkeyLocalMachine, Registry::HkeyCurrentUser};

std::string rootPrefix(Registry::Handle root) {
    for (std::size_t i = 0; i < std::size(RootHandles); ++i) {
        if (RootHandles[i] == root)
            return lowered(RootNames[i]);
    }
    return {};
}

bool underKnownRoot(const std::string& key) {
    return std::any_of(std::begin(RootHandles), std::end(RootHandles),
                       [&](Registry::Handle root) { return key.rfind(rootPrefix(root), 0) == 0; });
}

} // namespace

std::unique_ptr<RegFileRegistry::Hive> parseRegFile(const std::string& bytes) {
    const auto text = toEightBit(bytes);
    if (!text)
        return nullptr;
    const std::vector<std::string> lines = logicalLines(*text);
    if (lines.empty() ||
        (lines[0] != "REGEDIT4" && lines[0] != "Windows Registry Editor Version 5.00"))
        return nullptr;

    auto hive = std::make_unique<RegFileRegistry::Hive>();
    std::string key;
    bool deletedKey = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3)
                return nullptr;
            deletedKey = line[1] == '-';
            key = lowered(line.substr(deletedKey ? 2 : 1, line.size() - (deletedKey ? 3 : 2)));
            if (!underKnownRoot(key))
                return nullptr;
            if (deletedKey)
                hive->erase(key);
            else
                (*hive)[key];
            continue;
        }
        if (key.empty())
            return nullptr; // a value before any key
        std::string name;
        std::size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else {
            const auto quotedName = quoted(line, pos);
            if (!quotedName)
                return nullptr;
            name = *quotedName;
        }
        if (pos >= line.size() || line[pos] != '=')
            return nullptr;
        const std::string data = line.substr(pos + 1);
        if (deletedKey)
            continue;
        if (data == "-") {
            (*hive)[key].erase(lowered(name));
            continue;
        }
        auto value = valueData(data);
        if (!value)
            return nullptr;
        (*hive)[key][lowered(name)] = std::move(*value);
    }
    return hive;
}

long RegFileRegistry::openKey(Handle root, const std::string& subKey, std::uint32_t, std::uint32_t,
                              Handle& result) {
    const std::string prefix = rootPrefix(root);
    if (prefix.empty())
        return InvalidHandle;
    const std::string path = prefix + lowered(subKey);
    // A key exists when it is listed or lies above a listed key.
    const auto found = std::find_if(hive_.begin(), hive_.end(), [&](const auto& entry) {
        return entry.first == path || entry.first.rfind(path + '\\', 0) == 0;
    });
    if (found == hive_.end())
        return FileNotFound;
    result = nextHandle_++;
    openKeys_[result] = path;
    return Success;
}

long RegFileRegistry::queryValue(Handle key, const std::string& valueName, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end())
        return InvalidHandle;
    const auto values = hive_.find(open->second);
    if (values == hive_.end())
        return FileNotFound;
    const auto value = values->second.find(lowered(valueName));
    if (value == values->second.end())
        return FileNotFound;
    const auto& bytes = value->second.data;
    type = value->second.type;
    const std::uint32_t capacity = size;
    size = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > capacity)
        return MoreData;
    std::copy(bytes.begin(), bytes.end(), data);
    return Success;
}

long RegFileRegistry::closeKey(Handle key) {
    return openKeys_.erase(key) ? Success : InvalidHandle;
}

} // namespace markast
