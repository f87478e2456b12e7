// The libFuzzer entry of one target; KR_FUZZ_FEED names its function.
#include "fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return kr::fuzz::KR_FUZZ_FEED(data, size);
}
