#include "registry/key_operations.h"
#include "registry/key_search.h"
#include "registry/key_search_walk.h"
#include "registry/last_error_text.h"
#include "registry/root_keys.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

namespace {

class KeySearch : public ::testing::Test {
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
