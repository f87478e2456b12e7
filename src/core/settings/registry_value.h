#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kr {

// Registry type numbers of the two kinds the program reads and writes.
inline constexpr std::uint32_t RegistryStringType = 1;
inline constexpr std::uint32_t RegistryDwordType = 4;

// A value of any other registry type, kept byte for byte so that a rewrite
// of the settings file does not lose what another program stored there.
struct RegistryOtherValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;

    bool operator==(const RegistryOtherValue&) const = default;
};

// A 32-bit integer, a text (UTF-8), or a value of another type.
using RegistryValue = std::variant<std::uint32_t, std::string, RegistryOtherValue>;

struct NamedRegistryValue {
    std::string name;
    RegistryValue value;

    bool operator==(const NamedRegistryValue&) const = default;
};

using RegistryValues = std::vector<NamedRegistryValue>;

}  // namespace kr
