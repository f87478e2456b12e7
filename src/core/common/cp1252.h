#pragma once

#include <string>
#include <string_view>

namespace kr {

// The distribution files are Windows-1252; inside the program text is UTF-8.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters that Windows-1252 cannot hold become '?'. Malformed UTF-8
// bytes are taken as Windows-1252 bytes, so nothing is silently dropped.
std::string Utf8ToCp1252(std::string_view utf8);

// One code point of a UTF-8 text, starting at pos; pos moves past it.
// A byte that does not start a valid sequence is returned as itself.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace kr
