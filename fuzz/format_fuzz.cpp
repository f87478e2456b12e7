// Feeds the formatter arbitrary patterns with arbitrary arguments: it must
// neither crash nor read outside its arguments, and its text stays bounded.
#include "core/common/delphi_format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<kr::FormatArg> args;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0: args.emplace_back(input.ConsumeIntegral<std::int64_t>()); break;
        case 1: args.emplace_back(input.ConsumeIntegral<std::uint64_t>()); break;
        case 2: args.emplace_back(input.ConsumeIntegralInRange(-3, 1003)); break;
        case 3: args.emplace_back(input.ConsumeFloatingPoint<long double>()); break;
        default: args.emplace_back(input.ConsumeRandomLengthString(40)); break;
        }
    }
    const kr::FormatSettings settings{input.ConsumeIntegral<char>(), input.ConsumeIntegral<char>()};
    const std::string pattern = input.ConsumeRemainingBytesAsString();

    const kr::FormatResult result = kr::TryFormat(pattern, args, settings);
    // A conversion adds at most its padding or the digits of an 80-bit value.
    if (result.Text.size() > pattern.size() * (kr::MaxFormatWidth + 6000) + 16)
        std::abort();
    return 0;
}
