#include "app/platform/windows/RegistryAccess.h"

#include "windows/core/RegistryValueData.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pennoc::registry {

namespace {

// Read-control and every key-specific right, but not the right to delete the key itself.
constexpr REGSAM kKeyAccess = READ_CONTROL | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                              KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;
static_assert(kKeyAccess == 0x2003F);

// A character without an ANSI form would reach the registry as '?' and name another key, value or file, so
// such a text is refused instead. A UTF-8 ANSI code page can encode everything but takes no default character.
std::optional<std::string> toAnsi(std::u16string_view text) {
    if (text.empty()) {
        return std::string();
    }
    const UINT codePage = GetACP();
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide, size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, wide, size, bytes.data(), length, nullptr, usedDefaultOut) != length ||
        usedDefault) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool WriteRegistryValue(HKEY root, std::u16string_view keyPath, std::u16string_view valueName, DWORD valueType,
                        std::u16string_view valueText) {
    const std::optional<std::string> path = toAnsi(keyPath);
    const std::optional<std::string> name = toAnsi(valueName);
    const std::optional<std::vector<std::uint8_t>> data = registryValueData(valueType, valueText, toAnsi);
    if (!path || !name || !data) {
        return false;
    }
    std::string keyClass = std::to_string(valueType);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, path->c_str(), 0, keyClass.data(), REG_OPTION_NON_VOLATILE, kKeyAccess, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        return false;
    }
    // An empty binary value still needs a valid data pointer.
    const BYTE none = 0;
    const BYTE* bytes = data->empty() ? &none : data->data();
    const LSTATUS written = RegSetValueExA(key, name->c_str(), 0, valueType, bytes, static_cast<DWORD>(data->size()));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

void DeleteRegistryValue(HKEY root, std::u16string_view keyPath, std::u16string_view valueName) {
    if (keyPath.empty() && valueName.empty()) {
        return;
    }
    const std::optional<std::string> path = toAnsi(keyPath);
    const std::optional<std::string> name = toAnsi(valueName);
    if (!path || !name) {
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyA(root, path->c_str(), &key) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteValueA(key, name->c_str());
    RegCloseKey(key);
}

} // namespace pennoc::registry
