#include "core/data/text_keys.h"

#include "core/common/text_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace kr {
namespace {

TEST(TextKeys, NoTwoKeysDifferOnlyInLetterCase)
{
    // Lookups ignore case, so two such constants would be one line of the
    // language file with two meanings.
    std::map<std::string, std::string_view> seen;
    for (const TextKey& key : AllTextKeys()) {
        const auto [existing, added] = seen.try_emplace(LowerCaseText(key.Key), key.Key);
        EXPECT_TRUE(added) << "\"" << key.Key << "\" and \"" << existing->second << "\"";
    }
}

TEST(TextKeys, KeysCanBeWrittenInALanguageFile)
{
    for (const TextKey& key : AllTextKeys()) {
        EXPECT_FALSE(key.Key.empty());
        // Everything before the first "=" is the key, and a line ends at CR or LF.
        EXPECT_EQ(key.Key.find_first_of("=\r\n"), std::string_view::npos) << key.Key;
        EXPECT_EQ(TrimText(key.Key), key.Key) << "blank at an end of \"" << key.Key << "\"";
        EXPECT_EQ(key.Args.find_first_not_of("dfs"), std::string_view::npos) << key.Key << ": " << key.Args;
    }
}

// The constants are written once in the header and listed again for
// AllTextKeys(); a constant missing from that list would never be demanded
// of the language files.
TEST(TextKeys, AllTextKeysListsEveryConstantOfTheHeader)
{
    std::ifstream header(std::filesystem::path(KR_SOURCE_DIR) / "src/core/data/text_keys.h");
    ASSERT_TRUE(header) << "text_keys.h not found under " << KR_SOURCE_DIR;
    const std::string source{std::istreambuf_iterator<char>(header), std::istreambuf_iterator<char>()};

    static const std::regex declaration(R"re(constexpr\s+TextKey\s+\w+\s*\{\s*"([^"]*)"\s*,\s*"([^"]*)"\s*\})re");
    std::vector<std::pair<std::string, std::string>> declared;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), declaration); it != std::sregex_iterator(); ++it)
        declared.emplace_back((*it)[1].str(), (*it)[2].str());

    std::vector<std::pair<std::string, std::string>> listed;
    for (const TextKey& key : AllTextKeys())
        listed.emplace_back(std::string(key.Key), std::string(key.Args));

    ASSERT_FALSE(declared.empty());
    for (const auto& constant : declared) {
        EXPECT_NE(std::ranges::find(listed, constant), listed.end())
            << "\"" << constant.first << "\" is declared but missing from AllTextKeys()";
    }
    EXPECT_EQ(listed.size(), declared.size());
}

}  // namespace
}  // namespace kr
