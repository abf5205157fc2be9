#pragma once

#include <string_view>
#include <windows.h>

namespace pennoc::registry {

// Creates `keyPath` below `root` (or opens it) and writes the value `valueName` of `valueType` from its text
// form, as registryValueData converts it. True only when the value was stored. Texts reach the system in the
// ANSI code page; a text with a character that has no form there is refused, as is a type other than 1 to 4,
// and then no key is created.
bool WriteRegistryValue(HKEY root, std::u16string_view keyPath, std::u16string_view valueName, DWORD valueType,
                        std::u16string_view valueText);

// Opens `keyPath` below `root` (creating it when missing) and deletes the value `valueName`. Does nothing when
// both texts are empty. A missing value or any failure changes nothing and is not reported.
void DeleteRegistryValue(HKEY root, std::u16string_view keyPath, std::u16string_view valueName);

} // namespace pennoc::registry
