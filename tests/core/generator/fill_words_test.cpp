#include "core/generator/fill_words.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::TempAppFolder;
using testing::WriteBytes;

FillWordList SmallList()
{
    FillWordList list;
    list.words = {{"ATE", 90}, {"ICEAGE", 41}, {"NEVERTHELESSNOW", 0}, {"ZOO", 100}};
    return list;
}

std::vector<std::uint8_t> Raw(const std::vector<std::byte>& bytes)
{
    std::vector<std::uint8_t> raw;
    for (std::byte b : bytes) {
        raw.push_back(static_cast<std::uint8_t>(b));
    }
    return raw;
}

// The error for bytes changed by edit, which must be refused.
std::string RefusalOf(const std::function<void(std::vector<std::uint8_t>&)>& edit)
{
    std::vector<std::uint8_t> bytes = Raw(SerializeFillWords(SmallList()));
    edit(bytes);
    const auto parsed = ParseFillWords(bytes);
    EXPECT_FALSE(parsed.Ok());
    return parsed.Ok() ? std::string("(accepted)") : parsed.Error();
}

TEST(FillWords, AListReadsBackAsWrittenFromAFile)
{
    TempAppFolder folder;
    WriteBytes(folder.Data("eng_fill_words"), SerializeFillWords(SmallList()));
    const auto read = ReadFillWords(folder.Data("eng_fill_words"));
    ASSERT_TRUE(read.Ok()) << read.Error();
    ASSERT_EQ(read->words.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(read->words[i].text, SmallList().words[i].text);
        EXPECT_EQ(read->words[i].familiarity, SmallList().words[i].familiarity);
    }
    // An empty list is a list.
    EXPECT_TRUE(ParseFillWords(Raw(SerializeFillWords(FillWordList{}))).Ok());

    const auto missing = ReadFillWords(folder.Data("nothing_here"));
    ASSERT_FALSE(missing.Ok());
    EXPECT_NE(missing.Error().find("nothing_here"), std::string::npos) << missing.Error();
}

TEST(FillWords, RefusesDamagedFilesSayingWhere)
{
    // Header: magic at 0, version at 4, count at 8; the first entry (ATE) starts at 12 with
    // its length, letters at 13..15, familiarity at 16; ICEAGE's length at 17.
    EXPECT_NE(RefusalOf([](auto& b) { b[0] = 'X'; }).find("not a fill word list"),
              std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[4] = 2; }).find("version 2"), std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b.resize(6); }).find("ends inside its header"),
              std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[11] = 0x7f; }).find("claims"), std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[12] = 2; }).find("entry 1 is 2 letters long"),
              std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[17] = 16; }).find("entry 2 is 16 letters long"),
              std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[14] = 'e'; }).find("other than A to Z"), std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[16] = 101; }).find("familiarity 101"), std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b[13] = 'Z'; }).find("entry 2 (ICEAGE) is out of order"),
              std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b.push_back(0); }).find("1 bytes follow"), std::string::npos);
    EXPECT_NE(RefusalOf([](auto& b) { b.resize(b.size() - 1); }).find("ends inside entry 4"),
              std::string::npos);
    // One word twice is refused like a word out of order.
    FillWordList twice;
    twice.words = {{"ATE", 1}, {"ATE", 2}};
    const auto parsed = ParseFillWords(Raw(SerializeFillWords(twice)));
    ASSERT_FALSE(parsed.Ok());
    EXPECT_NE(parsed.Error().find("there twice"), std::string::npos) << parsed.Error();
    EXPECT_EQ(parsed.Error().rfind("eng_fill_words: ", 0), 0u) << parsed.Error();
}

}  // namespace
}  // namespace quillby
