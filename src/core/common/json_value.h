#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kr {

struct JsonMember;

// A JSON value as read from a file. Numbers keep their text, so that the
// reader of a member decides how exact it must be (a whole quantity, a
// price with two decimals) without a detour through double.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind Type = Kind::Null;
    bool Flag = false;
    std::string Text;  // a string's UTF-8 value, or a number's text as written
    std::vector<JsonValue> Items;
    // In the file's order. A member type of its own: a std::pair of this
    // still incomplete type does not compile with clang.
    std::vector<JsonMember> Members;

    // The member of that name, or none (also when this is no object).
    const JsonValue* Find(std::string_view name) const;
};

struct JsonMember {
    std::string Name;
    JsonValue Value;
};

// Objects and arrays nested deeper than this are refused, so that a hostile
// file cannot exhaust the stack.
inline constexpr int JsonMaxDepth = 64;

struct JsonParse {
    std::optional<JsonValue> Value;
    std::string Error;       // what is wrong, with its line and column; empty on success
    std::size_t Offset = 0;  // the byte offset of the error
    int Line = 0;            // 1-based, for the error
    int Column = 0;          // 1-based, counted in bytes
};

// Reads one JSON value (RFC 8259) filling the whole text, blanks aside.
// Strict: no comments, no trailing commas, no leading zeros, no control
// characters or invalid UTF-8 in strings, no lone surrogates, no object with
// a member name twice. Never throws.
JsonParse ParseJson(std::string_view text);

}  // namespace kr
