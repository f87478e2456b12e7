#pragma once

// One function per fuzz target that takes an input through the readers the
// program uses; each aborts when what it read breaks a rule of the reader.
// The fuzzers call them, and the normal test suite feeds them every input a
// fuzzer once found a fault with. Each returns -1 for an input longer than
// its target looks at, else 0.

#include <cstddef>
#include <cstdint>

namespace kr::fuzz {

int FeedFormat(const std::uint8_t* data, std::size_t size);
int FeedCoolerDatabase(const std::uint8_t* data, std::size_t size);
int FeedPriceFile(const std::uint8_t* data, std::size_t size);
int FeedLanguageFile(const std::uint8_t* data, std::size_t size);
int FeedSettingsFile(const std::uint8_t* data, std::size_t size);
int FeedInstructions(const std::uint8_t* data, std::size_t size);
int FeedBatchCsv(const std::uint8_t* data, std::size_t size);
int FeedQuotationFile(const std::uint8_t* data, std::size_t size);

}  // namespace kr::fuzz
