#include "core/install/wildcard.h"

#include "core/common/text_case.h"

#include <cstddef>
#include <string>

namespace kr {

namespace {

constexpr std::string_view AnyExtension = ".*";

bool IsUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length in bytes of the UTF-8 character that starts at pos.
std::size_t CharacterLength(std::string_view text, std::size_t pos)
{
    std::size_t end = pos + 1;
    while (end < text.size() && IsUtf8Continuation(text[end]))
        ++end;
    return end - pos;
}

// Greedy matching with one remembered star: on a mismatch the last star
// takes one more character, which is enough for patterns of "*" and "?".
bool MatchesExactly(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += CharacterLength(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern;
            starName += CharacterLength(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view fileName)
{
    const std::string foldedPattern = LowerCaseText(pattern);
    const std::string foldedName = LowerCaseText(fileName);
    if (MatchesExactly(foldedPattern, foldedName))
        return true;
    const std::string_view patternView = foldedPattern;
    return patternView.ends_with(AnyExtension) && foldedName.find('.') == std::string::npos &&
           MatchesExactly(patternView.substr(0, patternView.size() - AnyExtension.size()), foldedName);
}

}  // namespace kr
