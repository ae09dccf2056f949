#include <gtest/gtest.h>

#include <string>

// The sources are UTF-8; the program's texts must reach Windows as Windows-1252 bytes.
TEST(TextEncoding, GermanAndAccentCharactersAreSingleWindows1252Bytes) {
    const std::string fuer = "für";
    ASSERT_EQ(fuer.size(), 3u);
    EXPECT_EQ(static_cast<unsigned char>(fuer[1]), 0xFC);

    const std::string cant = "can´t";
    ASSERT_EQ(cant.size(), 5u);
    EXPECT_EQ(static_cast<unsigned char>(cant[3]), 0xB4);

    const std::string waehlen = "Wählen";
    EXPECT_EQ(static_cast<unsigned char>(waehlen[1]), 0xE4);
    const std::string moeglich = "Möglicherweise unvollständig";
    EXPECT_EQ(static_cast<unsigned char>(moeglich[1]), 0xF6);
}
