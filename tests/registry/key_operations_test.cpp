#include "registry/key_operations.h"
#include "registry/last_error_text.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using std::string_literals::operator""s;

class KeyOperations : public ::testing::Test {
  protected:
    ScratchKey scratch;
};

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
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below(name)));
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
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below("Inner")));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, scratch.Path(), "Version", REG_SZ, "1005\0"s));
    ASSERT_TRUE(MakeKeyReadOnly(scratch.Path(), true));
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, scratch.Path()), 1);
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 0), "Inner");
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), "Version", "1006"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Version"), "1005");
}

} // namespace
