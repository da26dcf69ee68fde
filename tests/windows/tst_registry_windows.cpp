// GetKeyValue over the real Windows registry: values written with the Win32 API under
// HKEY_CURRENT_USER are read back, and a key under HKEY_LOCAL_MACHINE is opened.
#include "about/GetKeyValue.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using markast::GetKeyValue;
using markast::Registry;

namespace {

int passed = 0;
int failed = 0;

void check(bool condition, const char* what) {
    if (condition) {
        ++passed;
        std::printf("PASS   : %s\n", what);
    } else {
        ++failed;
        std::printf("FAIL!  : %s\n", what);
    }
}

const char* const TestKey = "Software\\MarkastRegistryTest";
const auto HKCU = static_cast<std::int32_t>(Registry::HkeyCurrentUser);
const auto HKLM = static_cast<std::int32_t>(Registry::HkeyLocalMachine);

bool setValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool writeTestValues() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const char path[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";
    const DWORD number = 0x12345678;
    const DWORD small = 0x00000105;
    const DWORD lowZero = 0x00000100;
    const unsigned char binary[] = {1, 2, 3};
    const std::string longText(2000, 'x');
    const std::vector<char> noNul(1024, 'A');
    const bool ok = setValue(key, "PATH", REG_SZ, path, sizeof path) &&
                    setValue(key, "Number", REG_DWORD, &number, sizeof number) &&
                    setValue(key, "Small", REG_DWORD, &small, sizeof small) &&
                    setValue(key, "LowZero", REG_DWORD, &lowZero, sizeof lowZero) &&
                    setValue(key, "Binary", REG_BINARY, binary, sizeof binary) &&
                    setValue(key, "Long", REG_SZ, longText.c_str(), DWORD(longText.size() + 1)) &&
                    setValue(key, "NoNul", REG_BINARY, noNul.data(), DWORD(noNul.size()));
    RegCloseKey(key);
    return ok;
}

bool throwsUnterminated(const std::function<void()>& call) {
    try {
        call();
    } catch (const markast::UnterminatedValue&) {
        return true;
    }
    return false;
}

} // namespace

int main() {
    const auto registry = markast::systemRegistry();
    check(writeTestValues(), "values written with RegSetValueExA");

    std::string value;
    check(GetKeyValue(*registry, HKCU, TestKey, "PATH", value) &&
              value == "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE",
          "a REG_SZ value reads back as its text");
    value.clear();
    check(GetKeyValue(*registry, HKCU, TestKey, "Number", value) && value == "305419896",
          "REG_DWORD 78 56 34 12 reads as 305419896");
    value.clear();
    check(GetKeyValue(*registry, HKCU, TestKey, "Small", value) && value == "261",
          "REG_DWORD 05 01 00 00 reads as 261");
    value.clear();
    check(GetKeyValue(*registry, HKCU, TestKey, "LowZero", value) && value == "256",
          "REG_DWORD with a zero low byte reads as 256");
    value = "kept";
    check(GetKeyValue(*registry, HKCU, TestKey, "Binary", value) && value == "kept",
          "a value of another type leaves the text as it was");
    value = "old";
    check(!GetKeyValue(*registry, HKCU, TestKey, "Long", value) && value.empty(),
          "a value of more than 1024 bytes cannot be read");
    value = "old";
    check(!GetKeyValue(*registry, HKCU, TestKey, "Missing", value) && value.empty(),
          "a missing value cannot be read");
    check(!GetKeyValue(*registry, HKCU, "Software\\MarkastNoSuchKey", "PATH", value),
          "a missing key cannot be opened");
    check(throwsUnterminated([&] { GetKeyValue(*registry, HKCU, TestKey, "NoNul", value); }),
          "a buffer without a NUL raises");

    value.clear();
    check(GetKeyValue(*registry, HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                      "SystemRoot", value) &&
              !value.empty(),
          "a key under HKEY_LOCAL_MACHINE opens with the access the About box asks for");

    RegDeleteKeyA(HKEY_CURRENT_USER, TestKey);
    std::printf("Totals: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
