#include "registry/last_error_text.h"
#include "registry/root_keys.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(RootKeys, EachRootKeyAndItsNameConvertBothWays) {
    const std::pair<RootKey, Text> roots[] = {
        {0x80000001, "#HKEY_CURRENT_USER"},    {0x80000002, "#HKEY_LOCAL_MACHINE"},
        {0x80000000, "#HKEY_CLASSES_ROOT"},    {0x80000005, "#HKEY_CURRENT_CONFIG"},
        {0x80000003, "#HKEY_USERS"},           {0x80000006, "#HKEY_DYN_DATA"},
        {0x80000004, "#HKEY_PERFORMANCE_DATA"}};
    for (const auto& [root, name] : roots) {
        EXPECT_EQ(RootKeyName(root), name);
        EXPECT_EQ(RootKeyFromPath(name + "\\Software\\x\\"), root) << name;
        EXPECT_EQ(LastErrorText(), "");
    }
    EXPECT_EQ(RootKeyFromPath("#Hkey_Current_User\\Software"), kHkeyCurrentUser);
    for (RootKey value : {0u, 0x7FFFFFFFu, 0x80000007u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(IsRootKey(value)) << value;
        EXPECT_EQ(RootKeyName(value), "") << value;
    }
}

TEST(RootKeys, TextsNamingNoRootKeyGiveZeroWithMessage) {
    for (const Text text : {"", "HKEY_CURRENT_USER", "\\#HKEY_CURRENT_USER",
                            "#HKEY_CURRENT_USER \\x", "#HKEY_CURRENT", "#HKEY_CURRENT_USERS"}) {
        SetLastErrorText("stale");
        EXPECT_EQ(RootKeyFromPath(text), 0u) << text;
        EXPECT_EQ(LastErrorText(), "ERROR, false #HKEY name") << text;
    }
}

} // namespace
