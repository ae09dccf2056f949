#include "registry/last_error_text.h"
#include "registry/root_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NamedRoot {
    RootKey root;
    const char* name;
};

const std::vector<NamedRoot> kRoots = {
    {0x80000001, "#HKEY_CURRENT_USER"},
    {0x80000002, "#HKEY_LOCAL_MACHINE"},
    {0x80000000, "#HKEY_CLASSES_ROOT"},
    {0x80000005, "#HKEY_CURRENT_CONFIG"},
    {0x80000003, "#HKEY_USERS"},
    {0x80000006, "#HKEY_DYN_DATA"},
    {0x80000004, "#HKEY_PERFORMANCE_DATA"},
};

TEST(RootKeys, EachRootKeyAndItsNameConvertBothWays) {
    for (const NamedRoot& row : kRoots) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(IsRootKey(row.root));
        EXPECT_EQ(RootKeyName(row.root), row.name);
        EXPECT_EQ(RootKeyFromPath(row.name), row.root);
        EXPECT_EQ(RootKeyFromPath(Text(row.name) + "\\Software\\x\\"), row.root);
        EXPECT_EQ(LastErrorText(), "");
    }
}

TEST(RootKeys, ValuesOutsideTheTableAreNoRootKeys) {
    for (RootKey value : {0u, 1u, 0x7FFFFFFFu, 0x80000007u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(IsRootKey(value)) << value;
        EXPECT_EQ(RootKeyName(value), "") << value;
    }
}

TEST(RootKeys, NamesAreRecognisedInAnyLetterCase) {
    EXPECT_EQ(RootKeyFromPath("#hkey_classes_root"), kHkeyClassesRoot);
    EXPECT_EQ(RootKeyFromPath("#Hkey_Current_User\\Software"), kHkeyCurrentUser);
}

TEST(RootKeys, TextsNamingNoRootKeyGiveZeroWithMessage) {
    const std::vector<Text> texts = {"",
                                     "HKEY_CURRENT_USER",
                                     "\\#HKEY_CURRENT_USER",
                                     "#HKEY_CURRENT_USER \\x",
                                     "#HKEY_CURRENT",
                                     "#HKEY_CURRENT_USERS",
                                     "#HKCU\\Software"};
    for (const Text& text : texts) {
        SetLastErrorText("stale");
        EXPECT_EQ(RootKeyFromPath(text), 0u) << text;
        EXPECT_EQ(LastErrorText(), "ERROR, false #HKEY name") << text;
    }
}

TEST(KeyPaths, OnlyOneLeadingBackslashIsRemoved) {
    EXPECT_EQ(StripLeadingBackslash("\\Software\\x"), "Software\\x");
    EXPECT_EQ(StripLeadingBackslash("Software\\x\\"), "Software\\x\\");
    EXPECT_EQ(StripLeadingBackslash("\\\\Software"), "\\Software");
    EXPECT_EQ(StripLeadingBackslash("\\"), "");
    EXPECT_EQ(StripLeadingBackslash(""), "");
}

TEST(KeyPaths, SubkeyPathIsEverythingAfterTheFirstBackslash) {
    EXPECT_EQ(SubkeyPathOfFullPath("#HKEY_CLASSES_ROOT\\PureBasic.exe\\shell\\"),
              "PureBasic.exe\\shell\\");
    EXPECT_EQ(SubkeyPathOfFullPath("#HKEY_CLASSES_ROOT\\"), "");
    EXPECT_EQ(SubkeyPathOfFullPath("#HKEY_CLASSES_ROOT"), "");
}

} // namespace
