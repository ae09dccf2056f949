// The registry toolkit against Wine's own registry, below a scratch key of each test.
#include "registry/key_operations.h"
#include "registry/key_search.h"
#include "registry/key_search_walk.h"
#include "registry/last_error_text.h"
#include "registry/root_keys.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using std::string_literals::operator""s;

class RegistryToolkit : public ::testing::Test {
  protected:
    void Make(const Text& relative) {
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below(relative)));
    }
    Text Find(const Text& name) { return FindKeyPath(kHkeyCurrentUser, scratch.Path(), name); }
    Text Found(const Text& relative) const {
        return "#HKEY_CURRENT_USER\\" + scratch.Below(relative);
    }
    ScratchKey scratch;
};
using KeyOperations = RegistryToolkit;
using KeySearch = RegistryToolkit;

TEST_F(KeyOperations, TextsWrittenIntoNewKeysReadBackUnderEveryPathSpelling) {
    const Text key = scratch.Below("One\\Two\\Three\\");
    ASSERT_EQ(CreateKey(kHkeyCurrentUser, key), 1);
    EXPECT_EQ(CreateKey(kHkeyCurrentUser, "\\" + key), 1);
    // The empty name is the key's default value; an empty text is stored as its terminator.
    for (const auto& [name, value] : std::vector<std::pair<Text, Text>>{
             {"Date", "12.07.2007 ä´"}, {"", "default text"}, {"Empty", ""}}) {
        EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, key, name, value), 1);
        EXPECT_EQ(RawStringValue(kHkeyCurrentUser, scratch.Below("One\\Two\\Three"), name),
                  value + '\0');
        EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, "\\" + key, name), value);
        EXPECT_EQ(LastErrorText(), "");
    }
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, "\\"), 1);
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, key, "Nothing"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, not specified message");
}

TEST_F(KeyOperations, BadRootsAndPathsFailWithTheirMessagesAndCreateNothing) {
    const std::tuple<RootKey, Text, Text, Text> calls[] = {
        {0, scratch.Path(), "ERROR, #HKEY is empty", "ERROR, #HKEY is empty"},
        {0x80000007, scratch.Path(), "ERROR, #HKEY is empty", "ERROR, #HKEY is empty"},
        {kHkeyCurrentUser, "", "ERROR, subkeyname is empty", "ERROR, subkeyname is empty"},
        {kHkeyCurrentUser, scratch.Below("Missing"), "ERROR, sub key dont exist",
         "ERROR, sub key not found"},
    };
    for (const auto& [root, path, message, existsMessage] : calls) {
        SCOPED_TRACE(path + " " + std::to_string(root));
        EXPECT_EQ(ReadStringValue(root, path, "Version"), "");
        EXPECT_EQ(LastErrorText(), message);
        EXPECT_EQ(WriteStringValue(root, path, "Version", "1006"), 0);
        EXPECT_EQ(LastErrorText(), message);
        EXPECT_EQ(KeyExists(root, path), 0);
        EXPECT_EQ(LastErrorText(), existsMessage);
        EXPECT_EQ(SubkeyNameAt(root, path, 0), "");
        if (root != kHkeyCurrentUser || path.empty()) {
            EXPECT_EQ(CreateKey(root, path), 0);
            EXPECT_EQ(LastErrorText(), message);
        }
    }
    EXPECT_FALSE(KeyIsThere(kHkeyCurrentUser, scratch.Below("Missing")));
}

TEST_F(KeyOperations, ValuesOfEveryTypeAndSizeReadAsTheirTextOrFail) {
    const std::string big(64 * 1024, 'x');
    // Texts lose their zero bytes; any other type is refused.
    const std::tuple<DWORD, std::string, Text> values[] = {
        {REG_SZ, "1006\0"s, "1006"},      {REG_SZ, "", ""},
        {REG_SZ, "ab\0cd\0"s, "abcd"},    {REG_SZ, "abc", "abc"},
        {REG_SZ, big + '\0', big},        {REG_SZ, big, big},
        {REG_EXPAND_SZ, "%TEMP%\0"s, ""}, {REG_MULTI_SZ, "a\0b\0\0"s, ""},
        {REG_DWORD, "\x01\x02\0\0"s, ""}, {REG_BINARY, "1006\0"s, ""},
    };
    for (const auto& [type, bytes, expected] : values) {
        SCOPED_TRACE(std::to_string(type) + ", " + std::to_string(bytes.size()));
        ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, scratch.Path(), "Value", type, bytes));
        EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Value"), expected);
        EXPECT_EQ(LastErrorText(), type == REG_SZ ? "" : "ERROR, false type");
    }
}

TEST_F(KeyOperations, SubkeysAreNamedByIndexUpTo254Characters) {
    for (const Text& name : {Text("gamma"), Text(254, 'm'), Text(255, 'n')}) {
        Make(name);
    }
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path() + "\\", 0), "gamma");
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 1), Text(254, 'm'));
    EXPECT_EQ(LastErrorText(), "");
    for (int32_t index : {2, 3, -1, INT32_MIN}) {
        EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), index), "") << index;
        EXPECT_EQ(LastErrorText(), "ERROR, index is empty") << index;
    }
}

TEST_F(KeyOperations, AReadOnlyKeyIsReadButAWriteItRefusesIsReportedAsFailure) {
    // The accent in the message is byte 0xB4, as the system has always spelt it.
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), Text(40000, 'n'), "x"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, can\xB4t write value");
    Make("Inner");
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, scratch.Path(), "Version", REG_SZ, "1005\0"s));
    ASSERT_TRUE(MakeKeyReadOnly(scratch.Path(), true));
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, scratch.Path()), 1);
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 0), "Inner");
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), "Version", "1006"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Version"), "1005");
}

TEST_F(KeySearch, ADeeperMatchUnderAnEarlierSubkeyWinsOverALaterDirectMatch) {
    Make("a_first\\inner\\command\\command");
    Make("b_second\\mycommand");
    Make("command");
    ASSERT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 2), "command");
    const Text found = Find("command");
    EXPECT_EQ(found, Found("a_first\\inner\\command\\"));
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(KeyExists(RootKeyFromPath(found), SubkeyPathOfFullPath(found)), 1);
    for (const Text& start : {scratch.Path() + "\\", "\\" + scratch.Path()}) {
        EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, start, "command"), found) << start;
    }
    EXPECT_EQ(Find("command\\"), found);
    // Names match whole and in the same case only; a backslash inside matches no key name.
    for (const Text name : {"Command", "COMMAND", "inner\\command", "comman", "ommand"}) {
        EXPECT_EQ(Find(name), "") << name;
        EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey") << name;
    }
    EXPECT_EQ(Find(""), "");
    EXPECT_EQ(LastErrorText(), "ERROR, no given search name");
    EXPECT_EQ(FindKeyPath(0, scratch.Path(), "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, #HKEY is empty");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Below("Missing"), "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
}

TEST_F(KeySearch, KeysTwentyLevelsDeepAreFoundAlsoFromTheRootKey) {
    Text path;
    for (int level = 0; level < 20; ++level) {
        path += "level" + std::to_string(level) + "\\";
    }
    Make(path + "unique_qt_marker_key");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, "", "unique_qt_marker_key"),
              Found(path + "unique_qt_marker_key\\"));
}

TEST_F(KeySearch, ASubkeyNameOf255CharactersEndsTheWalkOfItsLevel) {
    Make("cut\\" + Text(255, 'a'));
    Make("cut\\b\\command");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Below("cut"), "command"), "");
    Make("whole\\" + Text(254, 'a'));
    Make("whole\\b\\command");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Below("whole"), "command"),
              Found("whole\\b\\command\\"));
}

TEST_F(KeySearch, FoundPathsLongerThan400CharactersAreLostUnlessRightBelowTheStart) {
    // The ANSI calls open at most 260 characters, so only a long name below a long path
    // passes 400 characters.
    const Text name(180, 'N');
    const Text parent = Text(227 - scratch.Path().size(), 'p');
    Make(parent + "\\" + name);
    EXPECT_EQ(Find(name), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Below(parent), name),
              Found(parent + "\\" + name + "\\"));
    Make("z\\" + name);
    EXPECT_EQ(Find(name), Found("z\\" + name + "\\"));
}

TEST(KeySearchWalk, ATreeThatLeadsBackIntoItselfEndsTheSearch) {
    // Every key has a subkey "loop", as a linked key pointing at its parent would give.
    const SubkeyLister endless = [](const Text&, int32_t index) {
        return Text(index ? "" : "loop");
    };
    EXPECT_EQ(FindKeyPathIn(endless, kHkeyCurrentUser, "\\", "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
}

TEST(RootKeys, EachRootKeyAndItsNameConvertBothWaysAndOtherTextsNameNone) {
    const std::pair<RootKey, Text> roots[] = {
        {0x80000001, "#HKEY_CURRENT_USER"},    {0x80000002, "#HKEY_LOCAL_MACHINE"},
        {0x80000000, "#HKEY_CLASSES_ROOT"},    {0x80000005, "#HKEY_CURRENT_CONFIG"},
        {0x80000003, "#HKEY_USERS"},           {0x80000006, "#HKEY_DYN_DATA"},
        {0x80000004, "#HKEY_PERFORMANCE_DATA"}};
    for (const auto& [root, name] : roots) {
        EXPECT_EQ(RootKeyName(root), name);
        EXPECT_EQ(RootKeyFromPath(name + "\\Software\\x\\"), root) << name;
    }
    EXPECT_EQ(RootKeyName(0x80000007), "");
    EXPECT_EQ(RootKeyFromPath("#Hkey_Current_User\\Software"), kHkeyCurrentUser);
    for (const Text text : {"", "HKEY_CURRENT_USER", "\\#HKEY_CURRENT_USER",
                            "#HKEY_CURRENT_USER \\x", "#HKEY_CURRENT", "#HKEY_CURRENT_USERS"}) {
        SetLastErrorText("stale");
        EXPECT_EQ(RootKeyFromPath(text), 0u) << text;
        EXPECT_EQ(LastErrorText(), "ERROR, false #HKEY name") << text;
    }
}

} // namespace
