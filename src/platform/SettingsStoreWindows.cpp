#include "platform/SettingsStore.h"

#include <windows.h>

#include <string>

namespace markast {

namespace {

// Where the Basic runtime's GetSetting and SaveSetting keep a program's values, so that an
// operator's stored port and window place carry over.
std::wstring sectionKey(const QString& application, const QString& section) {
    return (QStringLiteral("Software\\VB and VBA Program Settings\\") + application + u'\\' +
            section)
        .toStdWString();
}

} // namespace

// Only REG_SZ is text here, as for GetSetting: a value of another type is no stored text.
QString NativeSettingsStore::read(const QString& application, const QString& section,
                                  const QString& key, const QString& fallback) {
    const std::wstring path = sectionKey(application, section);
    const std::wstring name = key.toStdWString();
    std::wstring text;
    DWORD size = 0;
    LSTATUS status = ERROR_MORE_DATA;
    // The value may grow between asking its size and reading it.
    while (status == ERROR_MORE_DATA) {
        text.resize(size / sizeof(wchar_t) + 1);
        size = DWORD(text.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                              text.data(), &size);
    }
    // RegGetValueW ends the text with a NUL, even one stored without.
    return status == ERROR_SUCCESS ? QString::fromWCharArray(text.c_str()) : fallback;
}

bool NativeSettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& text) {
    HKEY sectionHandle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey(application, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &sectionHandle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring value = text.toStdWString();
    const LSTATUS status = RegSetValueExW(sectionHandle, key.toStdWString().c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()),
                                          DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(sectionHandle);
    return status == ERROR_SUCCESS;
}

} // namespace markast
