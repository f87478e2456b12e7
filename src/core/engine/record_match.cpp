#include "core/engine/record_match.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <charconv>

namespace kr {

bool FieldEquals(const tCoolType& record, const RecordField& field, std::string_view ascii)
{
    const std::size_t length = std::min<std::size_t>(record.Record[field.offset], field.capacity);
    if (length != ascii.size())
        return false;
    const auto* first = record.Record.data() + field.offset + 1;
    return std::equal(ascii.begin(), ascii.end(), first,
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

bool IsKrcType(std::string_view coolerType) { return coolerType.substr(0, 3) == "KRC"; }

std::optional<std::int32_t> WholeNumber(std::string_view text)
{
    std::string_view digits = TrimText(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace kr
