#pragma once

#include "core/settings/registry_value.h"

#include <string>
#include <string_view>

namespace kr {

// The settings file in the text syntax of registry export files:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Vossbridge\Kalvorn\KRCool]
//   "Width"=dword:00000258
//   "Language"="English"
//   "Other"=hex(7):41,00,00
//
// Names and texts are UTF-8 between double quotes, with a backslash written
// as \\ and a double quote as \". The syntax has no escape for line breaks
// or other control characters, so a text holding one (a multi-line
// "NameAddress" joined by CR LF) or bytes that are not UTF-8 is written as
// hex(1): its bytes followed by one terminating 00, which is how the syntax
// spells a string value as bytes. Reading takes hex(1) back as a string
// without that one terminator, so every text survives exactly; a hex(4) of
// four bytes (little-endian) reads as a 32-bit integer.

inline constexpr std::string_view SettingsKeyLine =
    "[HKEY_CURRENT_USER\\Software\\Vossbridge\\Kalvorn\\KRCool]";

// The values of the settings key, in file order. The header line is not
// required; lines outside that key (other keys, comments) are not kept; a line that cannot be
// parsed is skipped, so a damaged value reads as missing and its
// neighbours are unharmed. A name given twice takes its last value, in the
// place of its first (names compare ignoring case, as in the registry).
// hex lists may be continued over several lines with a trailing backslash.
RegistryValues ParseRegFile(std::string_view text);

std::string FormatRegFile(const RegistryValues& values);

// True when a name can be written and read back as it is: not empty and
// without control characters.
bool IsWritableValueName(std::string_view name);

}  // namespace kr
