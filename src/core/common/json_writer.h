#pragma once

#include "core/common/extended.h"

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace kr {

// Writes JSON text as it goes: objects, arrays, keys and values, with the
// commas between them. Strings are escaped (quotes, backslashes, control
// characters); UTF-8 passes through. Numbers keep every bit of an 80-bit
// value: they are written with 21 significant digits, enough to read the
// same long double back. With an indent, each member and element stands on
// a line of its own, indented by that many blanks per level, for files that
// people read and edit.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out, int indent = 0) : out_(&out), indent_(indent) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(Extended value);  // null when not finite
    JsonWriter& Integer(std::int64_t value);

    // Key and value in one.
    JsonWriter& Field(std::string_view key, std::string_view text) { return Key(key).String(text); }
    JsonWriter& Field(std::string_view key, const char* text) { return Key(key).String(text); }
    JsonWriter& Field(std::string_view key, Extended value) { return Key(key).Number(value); }
    JsonWriter& Field(std::string_view key, std::int32_t value) { return Key(key).Integer(value); }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine(std::size_t depth);

    std::ostream* out_;
    int indent_ = 0;
    std::vector<bool> firstInLevel_;
    bool afterKey_ = false;
};

// The escaped form of a text, quotes included.
std::string JsonString(std::string_view text);

// The number text JsonWriter writes: 21 significant digits, shortest form.
std::string JsonNumber(Extended value);

}  // namespace kr
