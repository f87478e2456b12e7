#include "core/common/wrap_text.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

// Every character is 10 pixels wide.
int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

using Lines = std::vector<std::string>;

TEST(WrapTextToWidth, BreaksAfterBlanksAndKeepsThem)
{
    EXPECT_EQ(WrapTextToWidth("one two three four", 90, TenPerCharacter),
              (Lines{"one two ", "three ", "four"}));
    // "one two " is 80 wide and fits exactly in 80.
    EXPECT_EQ(WrapTextToWidth("one two three", 80, TenPerCharacter), (Lines{"one two ", "three"}));
}

TEST(WrapTextToWidth, LongWordStandsAloneAfterAnEmptyLineWhenFirst)
{
    EXPECT_EQ(WrapTextToWidth("abcdefghij", 50, TenPerCharacter), (Lines{"", "abcdefghij"}));
    EXPECT_EQ(WrapTextToWidth("ab abcdefghij cd", 50, TenPerCharacter), (Lines{"ab ", "abcdefghij ", "cd"}));
    EXPECT_EQ(WrapTextToWidth("abcdefghij", 500, TenPerCharacter), (Lines{"abcdefghij"}));
}

TEST(WrapTextToWidth, EmptyTextGivesOneEmptyLine)
{
    EXPECT_EQ(WrapTextToWidth("", 100, TenPerCharacter), (Lines{""}));
}

TEST(WrapTextToWidth, OnlySingleBlanksSeparateWords)
{
    // Each blank ends a word, so a run of blanks gives one-blank words.
    EXPECT_EQ(WrapTextToWidth("ab   cd", 40, TenPerCharacter), (Lines{"ab  ", " cd"}));
}

}  // namespace
}  // namespace kr
