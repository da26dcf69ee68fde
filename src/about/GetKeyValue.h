#pragma once

#include "registry/Registry.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace markast {

// A value that fills the whole read buffer without a terminating NUL cannot be cut into text.
class UnterminatedValue : public std::runtime_error {
public:
    UnterminatedValue() : std::runtime_error("registry value holds no NUL") {}
};

// Reads one registry value as text into KeyVal: REG_SZ as its text, REG_DWORD as the decimal
// text of its number; a value of another type leaves KeyVal as it was. False, with KeyVal
// empty, when the key or the value cannot be read. Throws UnterminatedValue.
bool GetKeyValue(Registry& registry, std::int32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

} // namespace markast
