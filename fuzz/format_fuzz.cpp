// Feeds the formatter arbitrary patterns with arbitrary arguments: it must
// neither crash nor read outside its arguments, and its text stays bounded.
#include "core/common/delphi_format.h"
#include "core/common/extended.h"

#include "fuzz_inputs.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>
#include <vector>

int kr::fuzz::FeedFormat(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<kr::FormatArg> args;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0: args.emplace_back(input.ConsumeIntegral<std::int64_t>()); break;
        case 1: args.emplace_back(input.ConsumeIntegral<std::uint64_t>()); break;
        case 2: args.emplace_back(input.ConsumeIntegralInRange(-3, 1003)); break;
        case 3: args.emplace_back(input.ConsumeFloatingPoint<long double>()); break;
        case 4: args.emplace_back(input.ConsumeIntegral<std::int32_t>()); break;
        case 5: args.emplace_back(input.ConsumeIntegral<std::uint32_t>()); break;
        case 6: {
            // Any 80-bit pattern as the data files hold it: NaNs, infinities,
            // denormals and the unnormals no arithmetic produces.
            kr::ExtendedBytes bytes{};
            for (std::uint8_t& byte : bytes)
                byte = input.ConsumeIntegral<std::uint8_t>();
            args.emplace_back(kr::DecodeExtended(bytes));
            break;
        }
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
