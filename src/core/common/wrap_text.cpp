#include "core/common/wrap_text.h"

namespace kr {

std::vector<std::string> WrapTextToWidth(std::string_view text, int maxWidth, const TextWidthMeasure& width)
{
    std::vector<std::string> lines;
    std::string_view rest = text;
    std::string line;
    int used = 0;
    bool lastWord = false;
    while (!lastWord) {
        std::string_view word;
        const std::size_t blank = rest.find(' ');
        if (blank != std::string_view::npos) {
            word = rest.substr(0, blank + 1);
            rest.remove_prefix(blank + 1);
        } else {
            word = rest;
            lastWord = true;
        }
        const int wordWidth = width(word);
        if (used + wordWidth > maxWidth) {
            lines.push_back(std::move(line));
            line.clear();
            used = 0;
        }
        line += word;
        used += wordWidth;
    }
    lines.push_back(std::move(line));
    return lines;
}

}  // namespace kr
