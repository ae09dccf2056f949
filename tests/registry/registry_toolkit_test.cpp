// The registry toolkit against Wine's own registry.
#include "registry/key_operations.h"
#include "registry/key_search.h"
#include "registry/key_search_walk.h"
#include "registry/last_error_text.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using std::string_literals::operator""s;

// Each test's own key, in the throwaway Wine prefix of the test run.
const Text kScratch = R"(Software\QuorrelTest)";

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(MakeKey(kHkeyCurrentUser, kScratch)); }
    void TearDown() override {
        MakeKeyReadOnly(kScratch, false);
        RemoveKeyTree(kHkeyCurrentUser, kScratch);
    }
    static Text Below(const Text& relative) { return kScratch + "\\" + relative; }
    static void Make(const Text& relative) {
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, Below(relative))) << relative;
    }
    static Text Find(const Text& name, const Text& below = "") {
        return FindKeyPath(kHkeyCurrentUser, below.empty() ? kScratch : Below(below), name);
    }
    static Text Found(const Text& relative) { return "#HKEY_CURRENT_USER\\" + Below(relative); }
    // A call's result followed by the message it left.
    static Text Said(const Text& result) { return result + "|" + LastErrorText(); }
    static Text Said(int64_t result) { return std::to_string(result) + "|" + LastErrorText(); }
};

TEST_F(Registry, TextsReadBackWithoutZeroBytesUnderEveryPathSpellingAndOtherTypesFail) {
    const Text key = Below("One\\Two\\Three\\");
    ASSERT_EQ(CreateKey(kHkeyCurrentUser, "\\" + key), 1);
    // The empty name is the key's default value. (That texts are stored with their terminator:
    // the version record's tests.)
    EXPECT_EQ(Said(WriteStringValue(kHkeyCurrentUser, key, "", "12.07.2007 ä´")), "1|");
    EXPECT_EQ(Said(ReadStringValue(kHkeyCurrentUser, "\\" + key, "")), "12.07.2007 ä´|");
    EXPECT_EQ(Said(ReadStringValue(kHkeyCurrentUser, key, "Nothing")),
              "|ERROR, not specified message");
    // Unterminated texts, texts of 64 KiB, numbers and binary data: the end-to-end cases.
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kScratch, "Text", REG_SZ, "ab\0cd\0"s));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, kScratch, "List", REG_MULTI_SZ, "a\0b\0\0"s));
    EXPECT_EQ(Said(ReadStringValue(kHkeyCurrentUser, kScratch, "Text")), "abcd|");
    EXPECT_EQ(Said(ReadStringValue(kHkeyCurrentUser, kScratch, "List")), "|ERROR, false type");
}

TEST_F(Registry, BadRootsAndPathsFailWithTheirMessagesAndCreateNothing) {
    const Text missing = Below("Missing");
    const std::tuple<RootKey, Text, Text, Text> calls[] = {
        {0x80000007, kScratch, "ERROR, #HKEY is empty", "ERROR, #HKEY is empty"},
        {kHkeyCurrentUser, "", "ERROR, subkeyname is empty", "ERROR, subkeyname is empty"},
        {kHkeyCurrentUser, missing, "ERROR, sub key dont exist", "ERROR, sub key not found"}};
    for (const auto& [root, path, message, existsMessage] : calls) {
        SCOPED_TRACE(path + " " + std::to_string(root));
        EXPECT_EQ(Said(ReadStringValue(root, path, "Version")), "|" + message);
        EXPECT_EQ(Said(WriteStringValue(root, path, "Version", "1006")), "0|" + message);
        EXPECT_EQ(Said(KeyExists(root, path)), "0|" + existsMessage);
        if (path != missing) {
            EXPECT_EQ(Said(CreateKey(root, path)), "0|" + message);
        }
    }
}

TEST_F(Registry, SubkeyNamesOf255CharactersAreSkippedAndEndTheSearchOfTheirLevel) {
    for (const Text& key : {"cut\\" + Text(255, 'a'), "cut\\b\\command"s,
                            "whole\\" + Text(254, 'a'), "whole\\b\\command"s}) {
        Make(key);
    }
    const Text whole = Below("whole");
    EXPECT_EQ(Said(SubkeyNameAt(kHkeyCurrentUser, whole + "\\", 0)), Text(254, 'a') + "|");
    for (int32_t index : {2, -1, INT32_MIN}) {
        EXPECT_EQ(Said(SubkeyNameAt(kHkeyCurrentUser, whole, index)), "|ERROR, index is empty");
    }
    EXPECT_EQ(Said(SubkeyNameAt(kHkeyCurrentUser, Below("cut"), 0)), "|ERROR, index is empty");
    EXPECT_EQ(Find("command", "cut"), "");
    EXPECT_EQ(Find("command", "whole"), Found("whole\\b\\command\\"));
}

TEST_F(Registry, ADeeperMatchUnderAnEarlierSubkeyWinsOverALaterDirectMatchAlsoInAReadOnlyKey) {
    for (const Text key : {"a_first\\inner\\command\\command", "b_second\\mycommand", "command"}) {
        Make(key);
    }
    // A key the user may read but not change is there and searched all the same; a write it
    // refuses fails (and leaves nothing: the version record's tests).
    ASSERT_TRUE(MakeKeyReadOnly(kScratch, true));
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, kScratch), 1);
    EXPECT_EQ(Said(WriteStringValue(kHkeyCurrentUser, kScratch, "Version", "1006")),
              "0|ERROR, can´t write value");
    ASSERT_EQ(SubkeyNameAt(kHkeyCurrentUser, kScratch, 2), "command");
    const Text found = Found("a_first\\inner\\command\\");
    EXPECT_EQ(Said(Find("command")), found + "|");
    for (const Text& start : {kScratch + "\\", "\\" + kScratch}) {
        EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, start, "command\\"), found) << start;
    }
    // Names match whole and in the same case only; a backslash inside matches no key name.
    for (const Text name : {"Command", "COMMAND", "inner\\command", "comman", "ommand"}) {
        EXPECT_EQ(Said(Find(name)), "|ERROR, can´t find searching subkey") << name;
    }
    EXPECT_EQ(Said(Find("")), "|ERROR, no given search name");
    EXPECT_EQ(Said(FindKeyPath(0, kScratch, "command")), "|ERROR, #HKEY is empty");
    EXPECT_EQ(Said(Find("command", "Missing")), "|ERROR, can´t find searching subkey");
}

TEST_F(Registry, FoundPathsLongerThan400CharactersAndTreesThatLeadBackIntoThemselvesEndTheSearch) {
    // The ANSI calls open at most 260 characters, so only a long name below a long path
    // passes 400 characters.
    const Text name(180, 'N');
    const Text parent = Text(227 - kScratch.size(), 'p');
    Make(parent + "\\" + name);
    EXPECT_EQ(Said(Find(name)), "|ERROR, can´t find searching subkey");
    EXPECT_EQ(Find(name, parent), Found(parent + "\\" + name + "\\"));
    Make("z\\" + name);
    EXPECT_EQ(Find(name), Found("z\\" + name + "\\"));
    // Every key has a subkey "loop", as a linked key pointing at its parent would give.
    const SubkeyLister loop = [](RootKey, const Text&, int32_t at) {
        return Text(at ? "" : "loop");
    };
    EXPECT_EQ(Said(FindKeyPathIn(loop, kHkeyCurrentUser, "\\", "command")),
              "|ERROR, can´t find searching subkey");
}

TEST_F(Registry, RootKeyNamesAreReadInAnyCaseAndOtherTextsNameNone) {
    EXPECT_EQ(RootKeyFromPath("#Hkey_Current_User\\Software"), kHkeyCurrentUser);
    for (const Text text : {"", "HKEY_CURRENT_USER", "\\#HKEY_CURRENT_USER",
                            "#HKEY_CURRENT_USER \\x", "#HKEY_CURRENT", "#HKEY_CURRENT_USERS"}) {
        SetLastErrorText("stale");
        EXPECT_EQ(Said(RootKeyFromPath(text)), "0|ERROR, false #HKEY name") << text;
    }
}

} // namespace
