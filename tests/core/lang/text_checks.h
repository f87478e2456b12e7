#pragma once

#include "core/common/delphi_format.h"

#include <string>
#include <string_view>
#include <vector>

// Checks that a language text can be shown and printed as its callers use it.
// Each returns an empty text when all is well, otherwise what is wrong.
namespace kr::test {

// Arguments of the kinds in args ('d', 'f', 's'), each one recognisable in a
// formatted text by SampleMark of the same kind and position.
std::vector<FormatArg> SampleArgs(std::string_view args);
std::string SampleMark(char kind, std::size_t position);

// The text formats with arguments of the declared kinds, in their order, and
// shows every one of them.
std::string PatternFault(std::string_view text, std::string_view args);

// A text that is never formatted holds nothing a formatter would take for a
// conversion ("%d", "%1:s", "%%"); a lone "%" sign is fine.
std::string FormatSpecFault(std::string_view text);

// The bytes of a language file: Windows-1252 characters only, every line
// ended by CR LF, and nothing that looks like UTF-8.
std::string Cp1252FileFault(std::string_view bytes);

}  // namespace kr::test
