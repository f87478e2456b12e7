#pragma once

#include <string>
#include <string_view>

namespace kr {

// Letter case of the Windows-1252 repertoire (ASCII, the Latin-1 letters
// such as æ ø å ä ö ü é, and Š Œ Ž Ÿ); other characters stay as they are.
std::string UpperCaseText(std::string_view utf8);
std::string LowerCaseText(std::string_view utf8);

// Comparison without regard to letter case, over UTF-8 texts.
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);  // <0, 0, >0

struct LessIgnoringCase {
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

// Leading and trailing blanks removed (spaces and control characters).
std::string_view TrimText(std::string_view text);

}  // namespace kr
