#include "core/install/wildcard.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

TEST(Wildcard, MatchesLikeTheFileSearchOfItsHomePlatform)
{
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.sprog", "English.SPROG", true},
        {"*.SPROG", "dansk.sprog", true},
        {"*.sprog", "English.SPROG.bak", false},
        {"*.dat", "Price.dat", true},
        {"*.dat", "Pricedat", false},
        {"*.txt", ".txt", true},
        {"KR*.*", "Krdata.dat", true},
        {"KR*.*", "KR_product_info", true},  // no dot: ".*" also matches nothing
        {"KR*.*", "XKR.dat", false},
        {"Kalvorn.*", "kalvorn.bmp", true},
        {"Kalvorn.*", "Kalvorn", true},
        {"Kalvorn.*", "Kalvorn_info", false},
        {"Kalvorn.*", "Kalvorn.tar.gz", true},
        {"Setup", "setup", true},
        {"Setup", "Setup.sh", false},
        {"?.txt", "a.txt", true},
        {"?.txt", "ab.txt", false},
        {"?.txt", "æ.txt", true},  // one letter, two bytes
        {"Æ*.*", "æble.txt", true},
        {"*a*b*c", "xxaxxbxxbxc", true},
        {"*a*b*c", "xxaxxbxxbx", false},
        {"*", "anything", true},
        {"", "", true},
        {"", "a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

}  // namespace
}  // namespace kr
