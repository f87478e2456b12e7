#pragma once

#include <string>

namespace kr {

// A number text written with '.', with the given separator in its place:
// table-driven tests run each case with '.' and with ','.
inline std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

}  // namespace kr
