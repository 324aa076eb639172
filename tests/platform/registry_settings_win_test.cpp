// The registry settings backend: the settings store's round trip through
// HKEY_CURRENT_USER with the value types a registry editor would show, and
// values of other types or without their terminating NUL as someone may
// have left them there.
#ifdef _WIN32

#include "app/environ.h"
#include "app/local_instance_guard.h"
#include "platform/settings_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace xtr {
namespace {

const ScreenSize kScreen{1024, 768};

// A per-user key of this test run alone, removed with everything below it.
class RegistrySettingsTest : public ::testing::Test {
protected:
    const std::string root = "Software\\XtrTest\\Run" + std::to_string(GetCurrentProcessId());

    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str()); }

    // The raw value as the registry holds it: its type and bytes.
    bool Raw(const std::string& key, const std::string& name, DWORD& type, std::string& bytes)
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
            return false;
        }
        char buffer[512];
        DWORD size = sizeof buffer;
        const LONG result =
            RegQueryValueExA(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(handle);
        bytes.assign(buffer, result == ERROR_SUCCESS ? size : 0);
        return result == ERROR_SUCCESS;
    }

    void Put(const std::string& name, DWORD type, const std::string& bytes)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                                  nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(handle);
    }
};

TEST_F(RegistrySettingsTest, StoreSurvivesARoundTripAsDwordsAndStrings)
{
    auto backend = CreateRegistrySettingsBackend();
    LocalInstanceGuard guard;
    {
        indEnviron store(kEnvironGuardName, root, {backend.get(), &guard, kScreen});
        ASSERT_TRUE(store.HoldsGuard());
        store.comPort = 17;
        store.comSpeedHigh = 1;
        store.windowLeft = -300;
        store.modelType = 1;
        store.recent.AddNewest("C:\\Radios\\old.kcl");
        store.recent.AddNewest("\\\\server\\share\\with = sign; and spaces .kcl");
    }

    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(Raw(root + "\\Global", "ComPort", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(bytes, std::string("\x11\0\0\0", 4));
    ASSERT_TRUE(Raw(root + "\\Window Position", "Left", type, bytes));
    EXPECT_EQ(bytes, std::string("\xd4\xfe\xff\xff", 4));  // -300, two's complement
    ASSERT_TRUE(Raw(root + "\\Recent File List", "Recent1", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, std::string("C:\\Radios\\old.kcl") + '\0');
    ASSERT_TRUE(Raw(root + "\\Recent File List", "Recent0", type, bytes));  // the newest
    EXPECT_EQ(bytes, std::string("\\\\server\\share\\with = sign; and spaces .kcl") + '\0');

    indEnviron store(kEnvironGuardName, root, {backend.get(), &guard, kScreen});
    EXPECT_EQ(store.comPort, 17);
    EXPECT_EQ(store.comSpeedHigh, 1);
    EXPECT_EQ(store.windowLeft, -300);
    EXPECT_EQ(store.windowWidth, 800);
    EXPECT_EQ(store.modelType, 1);
    EXPECT_EQ(store.recent.DisplayText(0, ""), "\\\\server\\share\\with = sign; and spaces .kcl");
    EXPECT_EQ(store.recent.DisplayText(1, ""), "C:\\Radios\\old.kcl");
}

TEST_F(RegistrySettingsTest, NamesCompareWithoutCaseAndMissingKeysReadAsNothing)
{
    auto backend = CreateRegistrySettingsBackend();
    EXPECT_EQ(backend->ReadInt(root + "\\Nowhere", "Value"), std::nullopt);
    EXPECT_EQ(backend->ReadString(root + "\\Nowhere", "Value"), std::nullopt);
    ASSERT_TRUE(backend->WriteInt(root + "\\Deep\\Er", "Count", INT32_MIN));
    EXPECT_EQ(backend->ReadInt(root + "\\deep\\er", "COUNT"), INT32_MIN);
    EXPECT_EQ(backend->ReadInt(root + "\\Deep\\Er", "Other"), std::nullopt);
    ASSERT_TRUE(backend->WriteString(root, "Empty", ""));
    EXPECT_EQ(backend->ReadString(root, "empty"), "");
    EXPECT_TRUE(backend->Commit());
}

TEST_F(RegistrySettingsTest, ValuesOfOtherTypesOrShapesAreNotTaken)
{
    Put("NoNul", REG_SZ, "C:\\no terminator");
    Put("EarlyNul", REG_SZ, std::string("first\0second\0", 13));
    Put("Binary4", REG_BINARY, std::string("\x01\0\0\0", 4));
    Put("Short", REG_DWORD, std::string("\x01\0", 2));
    Put("Expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
    Put("Number", REG_DWORD, std::string("\x05\0\0\0", 4));

    auto backend = CreateRegistrySettingsBackend();
    EXPECT_EQ(backend->ReadString(root, "NoNul"), "C:\\no terminator");
    EXPECT_EQ(backend->ReadString(root, "EarlyNul"), "first");
    EXPECT_EQ(backend->ReadInt(root, "Binary4"), std::nullopt);
    EXPECT_EQ(backend->ReadInt(root, "Short"), std::nullopt);
    EXPECT_EQ(backend->ReadString(root, "Expand"), std::nullopt);
    EXPECT_EQ(backend->ReadString(root, "Number"), std::nullopt);
    EXPECT_EQ(backend->ReadInt(root, "NoNul"), std::nullopt);
    EXPECT_EQ(backend->ReadInt(root, "Number"), 5);
}

TEST(UserSettingsBackend, UsesTheRegistryUnlessASettingsFileIsNamed)
{
    const std::string root = "Software\\XtrTest\\User" + std::to_string(GetCurrentProcessId());
    _putenv_s("XTR450_SETTINGS", "");
    auto backend = CreateUserSettingsBackend(root);
    ASSERT_TRUE(backend->WriteInt(root + "\\Global", "Probe", 42));
    auto registry = CreateRegistrySettingsBackend();
    EXPECT_EQ(registry->ReadInt(root + "\\Global", "Probe"), 42);
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
}

}  // namespace
}  // namespace xtr

#endif  // _WIN32
