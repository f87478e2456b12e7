#pragma once

// The tests read what krcool writes with the program's own strict JSON
// reader, which keeps every number as its text, so that a test can read it
// back at full 80-bit precision. A syntax error, a missing member or a wrong
// index throws, which fails the test that asked.

#include "core/common/json_value.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kr::test {

struct JsonValue {
    using Kind = kr::JsonValue::Kind;
    Kind Type = Kind::Null;
    bool Flag = false;
    std::string Text;  // a string's value, or a number's text
    std::vector<JsonValue> Items;
    std::vector<std::string> Names;  // the members' names, in the text's order
    std::vector<JsonValue> Values;   // and their values

    const JsonValue& operator[](std::string_view key) const
    {
        for (std::size_t i = 0; i < Names.size(); ++i)
            if (Names[i] == key)
                return Values[i];
        throw std::runtime_error("no member " + std::string(key));
    }
    const JsonValue& operator[](std::size_t index) const { return Items.at(index); }
    bool Has(std::string_view key) const
    {
        for (const std::string& name : Names)
            if (name == key)
                return true;
        return false;
    }
    long double Number() const
    {
        if (Type != Kind::Number)
            throw std::runtime_error("not a number");
        return std::strtold(Text.c_str(), nullptr);
    }
};

class JsonReader {
public:
    static JsonValue Parse(std::string_view text)
    {
        const JsonParse parsed = ParseJson(text);
        if (!parsed.Value)
            throw std::runtime_error("JSON: " + parsed.Error);
        return Converted(*parsed.Value);
    }

private:
    static JsonValue Converted(const kr::JsonValue& value)
    {
        JsonValue converted{value.Type, value.Flag, value.Text, {}, {}, {}};
        for (const kr::JsonValue& item : value.Items)
            converted.Items.push_back(Converted(item));
        for (const JsonMember& member : value.Members) {
            converted.Names.push_back(member.Name);
            converted.Values.push_back(Converted(member.Value));
        }
        return converted;
    }
};

}  // namespace kr::test
