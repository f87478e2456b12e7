#pragma once

#include <string_view>

namespace kr {

// File-name matching as the file search of the program's home platform does
// it: "*" stands for any run of characters, "?" for one character, letter
// case is ignored (Windows-1252 letters), and a pattern that ends in ".*"
// also matches a name without any dot, so that "Kalvorn.*" finds a program
// "Kalvorn" that has no suffix.
bool MatchesWildcard(std::string_view pattern, std::string_view fileName);

}  // namespace kr
