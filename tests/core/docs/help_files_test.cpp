#include "core/common/help_topics.h"

#include "doc_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace kr {
namespace {

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t follow = 0;
        char32_t min = 0;
        char32_t code = 0;
        if ((lead & 0xE0) == 0xC0) {
            follow = 1;
            min = 0x80;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2;
            min = 0x800;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3;
            min = 0x10000;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + follow >= bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += follow + 1;
    }
    return true;
}

std::vector<std::string> Captures(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

std::vector<std::string> AnchorNames(const std::string& html)
{
    return Captures(html, std::regex(R"re(<a\s+name="([^"]*)")re", std::regex::icase));
}

std::vector<std::string> LocalLinks(const std::string& html)
{
    return Captures(html, std::regex(R"re(href="#([^"]*)")re", std::regex::icase));
}

class HelpFile : public ::testing::TestWithParam<std::string_view> {
protected:
    std::string Html() const { return test::ReadBytes(test::HelpDir / GetParam()); }
};

TEST(HelpUtf8Check, TellsValidFromBrokenSequences)
{
    EXPECT_TRUE(IsValidUtf8("plain æøå äöüß °C −40 – ·"));
    EXPECT_FALSE(IsValidUtf8("\xE6" "ble"));           // a Windows-1252 letter
    EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut off at the end
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
}

TEST_P(HelpFile, IsUtf8AndSaysSo)
{
    const std::string html = Html();
    ASSERT_FALSE(html.empty()) << GetParam() << " is missing or empty";
    EXPECT_TRUE(IsValidUtf8(html));
    EXPECT_NE(html.find(R"(content="text/html; charset=utf-8")"), std::string::npos);
}

TEST_P(HelpFile, HasAnAnchorAndAContentsLinkForEveryTopic)
{
    const std::string html = Html();
    const std::vector<std::string> anchors = AnchorNames(html);
    const std::vector<std::string> links = LocalLinks(html);
    for (const std::string_view topic : AllHelpTopics) {
        const std::string name{topic};
        EXPECT_EQ(std::count(anchors.begin(), anchors.end(), name), 1) << "anchor " << name;
        EXPECT_NE(html.find("<a name=\"" + name + "\" id=\"" + name + "\"></a>"), std::string::npos)
            << "anchor " << name << " without its id";
        EXPECT_NE(std::find(links.begin(), links.end(), name), links.end()) << "no link to " << name;
    }
}

TEST_P(HelpFile, EveryLinkLandsOnAnAnchorAndNoAnchorIsTwice)
{
    const std::string html = Html();
    const std::vector<std::string> anchors = AnchorNames(html);
    const std::set<std::string> unique(anchors.begin(), anchors.end());
    EXPECT_EQ(unique.size(), anchors.size());
    for (const std::string& link : LocalLinks(html)) {
        EXPECT_TRUE(unique.contains(link)) << "link to missing anchor #" << link;
    }
}

TEST_P(HelpFile, NeedsNothingOutsideItself)
{
    const std::string html = Html();
    for (const char* forbidden : {"<script", "<link", "src=\"http", "href=\"http", "<img"}) {
        EXPECT_EQ(html.find(forbidden), std::string::npos) << forbidden;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpFile, ::testing::ValuesIn(test::HelpFileNames));

TEST(HelpFiles, EveryLanguageHasTheSameSections)
{
    const std::vector<std::string> english = AnchorNames(test::ReadBytes(test::HelpDir / test::HelpFileNames[0]));
    for (const std::string_view name : test::HelpFileNames) {
        EXPECT_EQ(AnchorNames(test::ReadBytes(test::HelpDir / name)), english) << name;
    }
}

TEST(HelpFiles, TranslationsAreWrittenInTheirOwnLetters)
{
    const std::map<std::string_view, std::vector<std::string_view>> lettersByFile{
        {"Help_Dansk.html", {"æ", "ø", "å"}},
        {"Help_Deutsch.html", {"ä", "ö", "ü", "ß"}},
    };
    for (const auto& [file, letters] : lettersByFile) {
        const std::string html = test::ReadBytes(test::HelpDir / file);
        for (const std::string_view letter : letters) {
            EXPECT_NE(html.find(letter), std::string::npos) << file << " has no " << letter;
        }
    }
}

}  // namespace
}  // namespace kr
