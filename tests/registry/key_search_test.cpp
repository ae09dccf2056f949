#include "registry/key_operations.h"
#include "registry/key_search.h"
#include "registry/key_search_walk.h"
#include "registry/last_error_text.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST_F(KeySearch, FindsTheCommandKeyOfAShellEntry) {
    Make("PureBasic.exe\\shell\\open\\command");
    const Text found = FindKeyPath(kHkeyCurrentUser, scratch.Below("PureBasic.exe"), "command");
    EXPECT_EQ(found, Found("PureBasic.exe\\shell\\open\\command\\"));
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(RootKeyFromPath(found), kHkeyCurrentUser);
    EXPECT_EQ(KeyExists(RootKeyFromPath(found), SubkeyPathOfFullPath(found)), 1);
}

TEST_F(KeySearch, ADeeperMatchUnderAnEarlierSubkeyWinsOverALaterDirectMatch) {
    Make("a_first\\inner\\command");
    Make("b_second");
    Make("command");
    ASSERT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 2), "command");
    EXPECT_EQ(Find("command"), Found("a_first\\inner\\command\\"));
}

TEST_F(KeySearch, NothingBelowAMatchingKeyIsSearched) {
    Make("command\\command");
    EXPECT_EQ(Find("command"), Found("command\\"));
}

TEST_F(KeySearch, StartPathSpellingsGiveTheSameResult) {
    Make("x\\command");
    const Text expected = Found("x\\command\\");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Path(), "command"), expected);
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Path() + "\\", "command"), expected);
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, "\\" + scratch.Path(), "command"), expected);
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Path(), "command\\"), expected);
}

TEST_F(KeySearch, NamesMatchOnlyWholeAndInTheSameCase) {
    Make("x\\command");
    Make("y\\mycommand");
    const std::vector<Text> misses = {"Command", "COMMAND", "x\\command", "comman", "ommand"};
    for (const Text& name : misses) {
        EXPECT_EQ(Find(name), "") << name;
        EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey") << name;
    }
}

TEST_F(KeySearch, FailuresGiveEmptyTextWithTheirMessage) {
    Make("x\\command");
    EXPECT_EQ(Find(""), "");
    EXPECT_EQ(LastErrorText(), "ERROR, no given search name");
    EXPECT_EQ(FindKeyPath(0, scratch.Path(), "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, #HKEY is empty");
    EXPECT_EQ(FindKeyPath(kHkeyCurrentUser, scratch.Below("Missing"), "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
}

TEST_F(KeySearch, EmptyStartPathSearchesFromTheRootKey) {
    Make("unique_qt_marker_key");
    const Text found = FindKeyPath(kHkeyCurrentUser, "", "unique_qt_marker_key");
    EXPECT_EQ(found, "#HKEY_CURRENT_USER\\" + scratch.Below("unique_qt_marker_key\\"));
}

TEST_F(KeySearch, KeysNestedTwentyLevelsDeepAreFound) {
    Text path;
    for (int level = 0; level < 20; ++level) {
        path += "level" + std::to_string(level) + "\\";
    }
    Make(path + "command");
    EXPECT_EQ(Find("command"), Found(path + "command\\"));
}

// The ANSI registry calls open paths of at most 260 characters, so a found path passes 400
// characters only through a long search name below a long path.
class LongSearch : public KeySearch {
  protected:
    void SetUp() override {
        // The level holding the match is enumerated through a path of 229 characters.
        parent = Text("a") + Text(static_cast<size_t>(226 - TextLength(scratch.Path())), 'p');
        Make(parent + "\\" + longName);
    }
    const Text longName = Text(180, 'N');
    Text parent;
};

TEST_F(LongSearch, AFoundPathLongerThan400CharactersIsLostAndTheNextSubkeyIsSearched) {
    Make("z\\" + longName);
    EXPECT_EQ(Find(longName), Found("z\\" + longName + "\\"));
}

TEST_F(LongSearch, AFoundPathLongerThan400CharactersAloneIsNoFind) {
    EXPECT_EQ(Find(longName), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
}

TEST_F(LongSearch, AMatchDirectlyBelowTheStartIsHandedOverWhole) {
    const Text found = FindKeyPath(kHkeyCurrentUser, scratch.Below(parent), longName);
    EXPECT_EQ(found, Found(parent + "\\" + longName + "\\"));
    EXPECT_GT(TextLength(found), 400);
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

TEST(KeySearchWalk, ACutPathThatStillHoldsTheNameIsHandedUpCut) {
    // Below "\xcommand\": two levels of 200 characters, then "command". The name stays in
    // the first 400 characters through "xcommand\".
    const std::vector<Text> chain = {"xcommand", Text(200, 'd'), Text(200, 'e'), "command"};
    const SubkeyLister tree = [&chain](const Text& path, int32_t index) -> Text {
        Text at = "\\";
        for (const Text& name : chain) {
            if (path == at) {
                return index == 0 ? name : "";
            }
            at += name + "\\";
        }
        return "";
    };
    const Text whole = "\\xcommand\\" + chain[1] + "\\" + chain[2] + "\\command\\";
    EXPECT_EQ(SearchSubkeyPathIn(tree, "\\", "command"), TextLeft(whole, 400));
    EXPECT_EQ(FindKeyPathIn(tree, kHkeyClassesRoot, "", "command"),
              "#HKEY_CLASSES_ROOT" + TextLeft(whole, 400));
}

TEST(KeySearchWalk, ATreeThatLeadsBackIntoItselfEndsTheSearch) {
    // Every key has a subkey "loop", as a linked key pointing at its parent would give.
    const SubkeyLister endless = [](const Text&, int32_t index) -> Text {
        return index == 0 ? "loop" : "";
    };
    EXPECT_EQ(SearchSubkeyPathIn(endless, "\\", "command"), "");
    EXPECT_EQ(FindKeyPathIn(endless, kHkeyCurrentUser, "\\", "command"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, can´t find searching subkey");
}

} // namespace
