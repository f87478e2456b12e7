#include "core/common/cp1252.h"
#include "core/common/text_case.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

TEST(Cp1252, ConvertsEveryByteBothWays)
{
    EXPECT_EQ(Cp1252ToUtf8("m\xB3/s"), "m³/s");
    EXPECT_EQ(Cp1252ToUtf8("\x80 \x8A \x9F"), "€ Š Ÿ");
    EXPECT_EQ(Utf8ToCp1252("KJ/kg·°C"), "KJ/kg\xB7\xB0" "C");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << b;
    }
}

TEST(Cp1252, MarksWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("x\xFFy"), "x\xFFy");  // a stray byte is kept
}

TEST(TextCase, IgnoresCaseOfTheWindows1252Letters)
{
    EXPECT_TRUE(SameText("Error Caption", "error caption"));
    EXPECT_TRUE(SameText("KØLER Æble Über", "køler æble über"));
    EXPECT_TRUE(SameText("ŠŒŽŸ", "šœžÿ"));
    EXPECT_FALSE(SameText("Error Caption", "Error Caption "));
    EXPECT_FALSE(SameText("×", "÷"));  // signs, not letters
    EXPECT_EQ(UpperCaseText("kr 30 tb æø"), "KR 30 TB ÆØ");
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
}

TEST(TextCase, TrimsBlanksOnly)
{
    EXPECT_EQ(TrimText("  12 ccm \t"), "12 ccm");
    EXPECT_EQ(TrimText("   "), "");
}

}  // namespace
}  // namespace kr
