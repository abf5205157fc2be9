#include "app/platform/windows/RegistryAccess.h"

#include "app/platform/windows/AutoRunCommand.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace pennoc {
namespace {

constexpr std::u16string_view kTestKey = u"Software\\PennocWindowsCheck";
// Chinese, Greek and Thai: no ANSI code page but UTF-8 holds all three.
constexpr std::u16string_view kUnholdable = u"便笺Ωก";

const wchar_t* wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// A string value as the system reads it back in UTF-16, or nothing when there is none.
std::optional<std::u16string> readString(HKEY root, std::u16string key, std::u16string name) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(root, wide(key), wide(name), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::u16string(reinterpret_cast<const char16_t*>(data));
}

bool keyExists(HKEY root, std::u16string key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, wide(key), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

TEST(AutoRunCommand, NamesTheProgramInItsFolderAndQuotesAPathWithBlanks) {
    EXPECT_EQ(autoRunCommand(u"pennoc", L"C:\\Apps\\pennoc-1.2.exe"), u"C:\\Apps\\pennoc.exe");
    EXPECT_EQ(autoRunCommand(u"pennoc", L"C:\\pennoc.exe"), u"C:\\pennoc.exe");
    EXPECT_EQ(autoRunCommand(u"pennoc", L"C:/Program Files/Pennoc/pennoc.exe"),
              u"\"C:\\Program Files\\Pennoc\\pennoc.exe\"");
}

TEST(RegistryAccess, TheRunValueIsWrittenReadBackAndDeleted) {
    const std::u16string name = u"PennocWindowsCheck";
    const std::u16string command = autoRunCommand(name, L"C:\\Program Files\\Pennoc 1\\pennoc.exe");
    ASSERT_TRUE(registry::WriteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name, REG_SZ, command));
    EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey), name),
              u"\"C:\\Program Files\\Pennoc 1\\PennocWindowsCheck.exe\"");

    // Writing again replaces the value.
    ASSERT_TRUE(registry::WriteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name, REG_SZ, u"C:\\pennoc.exe"));
    EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey), name), u"C:\\pennoc.exe");

    registry::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name);
    EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey), name), std::nullopt);
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey)));
}

TEST(RegistryAccess, ANameTheAnsiCodePageCannotHoldIsRefusedAndCreatesNothing) {
    if (GetACP() == CP_UTF8) {
        GTEST_SKIP() << "the ANSI code page is UTF-8, which holds every name";
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(kTestKey));
    const std::u16string key = std::u16string(kTestKey) + u"\\" + std::u16string(kUnholdable);
    EXPECT_FALSE(registry::WriteRegistryValue(HKEY_CURRENT_USER, key, u"value", REG_SZ, u"text"));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, std::u16string(kTestKey)));

    // Nor does a value reach the Run key under a name with question marks for the missing characters.
    const std::u16string name = std::u16string(u"Pennoc") + std::u16string(kUnholdable);
    EXPECT_FALSE(registry::WriteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name, REG_SZ, u"C:\\pennoc.exe"));
    EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey), name), std::nullopt);
    EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, std::u16string(kAutoRunKey),
                         u"Pennoc" + std::u16string(kUnholdable.size(), u'?')),
              std::nullopt);

    // Nor does a value whose text has no ANSI form.
    EXPECT_FALSE(registry::WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, u"value", REG_SZ, kUnholdable));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, std::u16string(kTestKey)));
}

} // namespace
} // namespace pennoc
