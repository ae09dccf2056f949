#include "registry/key_operations.h"
#include "registry/last_error_text.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <vector>

namespace {

using std::string_literals::operator""s;

class KeyOperations : public ::testing::Test {
  protected:
    ScratchKey scratch;
};

TEST_F(KeyOperations, WrittenTextReadsBackUnderEveryPathSpelling) {
    const Text key = scratch.Below("Record\\");
    ASSERT_EQ(CreateKey(kHkeyCurrentUser, key), 1);
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, key, "Date", "12.07.2007 ä´"), 1);
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, key, "Date"), "12.07.2007 ä´");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, "\\" + key, "Date"), "12.07.2007 ä´");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Below("Record"), "Date"), "12.07.2007 ä´");
    EXPECT_EQ(LastErrorText(), "");
}

TEST_F(KeyOperations, EmptyValueNameAddressesTheDefaultValue) {
    ASSERT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), "", "default text"), 1);
    EXPECT_EQ(RawStringValue(kHkeyCurrentUser, scratch.Path(), ""), "default text\0"s);
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), ""), "default text");
}

TEST_F(KeyOperations, EmptyTextIsWrittenAsOneZeroByte) {
    ASSERT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), "Empty", ""), 1);
    EXPECT_EQ(RawStringValue(kHkeyCurrentUser, scratch.Path(), "Empty"), "\0"s);
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Empty"), "");
    EXPECT_EQ(LastErrorText(), "");
}

TEST_F(KeyOperations, CreateKeyMakesMissingLevelsAndAcceptsExistingKeys) {
    const Text deep = scratch.Below("One\\Two\\Three\\");
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below("One")));
    EXPECT_EQ(CreateKey(kHkeyCurrentUser, deep), 1);
    EXPECT_TRUE(KeyIsThere(kHkeyCurrentUser, scratch.Below("One\\Two\\Three")));
    EXPECT_EQ(CreateKey(kHkeyCurrentUser, deep), 1);
    EXPECT_EQ(CreateKey(kHkeyCurrentUser, "\\" + deep), 1);
    EXPECT_EQ(LastErrorText(), "");
}

TEST_F(KeyOperations, KeyExistsAnswersOneOrZero) {
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, scratch.Path()), 1);
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, "\\" + scratch.Path() + "\\"), 1);
    // The root key itself.
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, "\\"), 1);
    EXPECT_EQ(LastErrorText(), "");
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, scratch.Below("Missing")), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, sub key not found");
}

TEST_F(KeyOperations, WritingIntoAMissingKeyFailsAndCreatesNothing) {
    const Text missing = scratch.Below("Missing\\");
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, missing, "Version", "1006"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, sub key dont exist");
    EXPECT_FALSE(KeyIsThere(kHkeyCurrentUser, scratch.Below("Missing")));
}

TEST_F(KeyOperations, AWriteTheRegistryRefusesIsReportedAsFailure) {
    // Value names are limited to 16383 characters; a longer one is refused by RegSetValueExA.
    const Text tooLongName(40000, 'n');
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, scratch.Path(), tooLongName, "x"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
}

struct BadCall {
    const char* what;
    RootKey root;
    Text path;
    const char* readMessage;
    const char* existsMessage;
    const char* createMessage;
    const char* writeMessage;
};

TEST_F(KeyOperations, BadRootsAndPathsFailWithTheirMessages) {
    const std::vector<BadCall> calls = {
        {"root 0", 0, scratch.Path(), "ERROR, #HKEY is empty", "ERROR, #HKEY is empty",
         "ERROR, #HKEY is empty", "ERROR, #HKEY is empty"},
        {"root beyond the table", 0x80000007, scratch.Path(), "ERROR, #HKEY is empty",
         "ERROR, #HKEY is empty", "ERROR, #HKEY is empty", "ERROR, #HKEY is empty"},
        {"empty path", kHkeyCurrentUser, "", "ERROR, subkeyname is empty",
         "ERROR, subkeyname is empty", "ERROR, subkeyname is empty", "ERROR, subkeyname is empty"},
        {"missing key", kHkeyCurrentUser, scratch.Below("Missing"), "ERROR, sub key dont exist",
         "ERROR, sub key not found", nullptr, "ERROR, sub key dont exist"},
    };
    for (const BadCall& call : calls) {
        SCOPED_TRACE(call.what);
        EXPECT_EQ(ReadStringValue(call.root, call.path, "Version"), "");
        EXPECT_EQ(LastErrorText(), call.readMessage);
        EXPECT_EQ(KeyExists(call.root, call.path), 0);
        EXPECT_EQ(LastErrorText(), call.existsMessage);
        EXPECT_EQ(WriteStringValue(call.root, call.path, "Version", "1006"), 0);
        EXPECT_EQ(LastErrorText(), call.writeMessage);
        if (call.createMessage != nullptr) {
            EXPECT_EQ(CreateKey(call.root, call.path), 0);
            EXPECT_EQ(LastErrorText(), call.createMessage);
        }
    }
}

struct StoredValue {
    const char* what;
    DWORD type;
    std::string bytes;
    Text expected;
    const char* message;
};

TEST_F(KeyOperations, ValuesOfEveryTypeAndSizeReadAsTheirTextOrFail) {
    const std::string big(64 * 1024, 'x');
    const std::vector<StoredValue> values = {
        {"ordinary text", REG_SZ, "1006\0"s, "1006", ""},
        {"empty data", REG_SZ, "", "", ""},
        {"only a terminator", REG_SZ, "\0"s, "", ""},
        {"zero bytes inside", REG_SZ, "ab\0cd\0"s, "abcd", ""},
        {"no terminator", REG_SZ, "abc", "abc", ""},
        {"accented bytes", REG_SZ, "Grüße ´\0"s, "Grüße ´", ""},
        {"64 KiB", REG_SZ, big + '\0', big, ""},
        {"64 KiB without terminator", REG_SZ, big, big, ""},
        {"expandable text", REG_EXPAND_SZ, "%TEMP%\0"s, "", "ERROR, false type"},
        {"text list", REG_MULTI_SZ, "a\0b\0\0"s, "", "ERROR, false type"},
        {"number", REG_DWORD, "\x01\x02\0\0"s, "", "ERROR, false type"},
        {"bytes", REG_BINARY, "1006\0"s, "", "ERROR, false type"},
        {"no type", REG_NONE, "1006\0"s, "", "ERROR, false type"},
    };
    for (const StoredValue& value : values) {
        SCOPED_TRACE(value.what);
        ASSERT_TRUE(
            PutRawValue(kHkeyCurrentUser, scratch.Path(), "Value", value.type, value.bytes));
        EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Value"), value.expected);
        EXPECT_EQ(LastErrorText(), value.message);
    }
}

TEST_F(KeyOperations, AMissingValueReadsAsEmptyText) {
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, scratch.Path(), "Nothing"), "");
    EXPECT_EQ(LastErrorText(), "ERROR, not specified message");
}

TEST_F(KeyOperations, SubkeysAreNamedByIndexUntilTheyRunOut) {
    for (const char* name : {"alpha", "beta", "gamma"}) {
        ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below(name)));
    }
    std::vector<Text> names;
    for (int32_t index = 0; index < 3; ++index) {
        names.push_back(SubkeyNameAt(kHkeyCurrentUser, scratch.Path() + "\\", index));
        EXPECT_EQ(LastErrorText(), "");
    }
    EXPECT_EQ(names, (std::vector<Text>{"alpha", "beta", "gamma"}));
    for (int32_t index : {3, 4, -1, INT32_MIN}) {
        EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), index), "") << index;
        EXPECT_EQ(LastErrorText(), "ERROR, index is empty") << index;
    }
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Below("Missing"), 0), "");
    EXPECT_EQ(LastErrorText(), "ERROR, sub key dont exist");
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, "", 0), "");
    EXPECT_EQ(LastErrorText(), "ERROR, sub key dont exist");
    EXPECT_EQ(SubkeyNameAt(0, scratch.Path(), 0), "");
    EXPECT_EQ(LastErrorText(), "ERROR, #HKEY is empty");
}

TEST_F(KeyOperations, SubkeyNamesFitUpTo254Characters) {
    const Text longest(254, 'a');
    const Text tooLong(255, 'b');
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below(longest)));
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, scratch.Below(tooLong)));
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 0), longest);
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, scratch.Path(), 1), "");
    EXPECT_EQ(LastErrorText(), "ERROR, index is empty");
}

// Sets who may do what with a key, as a security descriptor text.
bool SetKeyAccess(const Text& path, const char* descriptorText) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptorText, SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return false;
    }
    HKEY key = nullptr;
    bool done = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS;
    if (done) {
        done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    return done;
}

// Everybody may read the key, nobody may change it, until the guard ends.
struct ReadOnlyKey {
    explicit ReadOnlyKey(const Text& keyPath) : path(keyPath) {
        made = SetKeyAccess(path, "D:P(A;;KR;;;WD)(A;;WD;;;OW)");
    }
    ~ReadOnlyKey() { SetKeyAccess(path, "D:P(A;;KA;;;WD)"); }
    Text path;
    bool made = false;
};

TEST_F(KeyOperations, AReadOnlyKeyCanBeReadButNotWritten) {
    const Text path = scratch.Below("ReadOnly");
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, path));
    ASSERT_TRUE(MakeKey(kHkeyCurrentUser, path + "\\Inner"));
    ASSERT_TRUE(PutRawValue(kHkeyCurrentUser, path, "Version", REG_SZ, "1005\0"s));
    const ReadOnlyKey readOnly(path);
    ASSERT_TRUE(readOnly.made);
    HKEY probe = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &probe) ==
        ERROR_SUCCESS) {
        RegCloseKey(probe);
        GTEST_SKIP() << "this registry does not enforce key security";
    }
    EXPECT_EQ(KeyExists(kHkeyCurrentUser, path), 1);
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, path, "Version"), "1005");
    EXPECT_EQ(SubkeyNameAt(kHkeyCurrentUser, path, 0), "Inner");
    EXPECT_EQ(WriteStringValue(kHkeyCurrentUser, path, "Version", "1006"), 0);
    EXPECT_EQ(LastErrorText(), "ERROR, can´t write value");
    EXPECT_EQ(ReadStringValue(kHkeyCurrentUser, path, "Version"), "1005");
}

} // namespace
