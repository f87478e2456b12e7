#pragma once

// A small JSON reader for the tests: it checks the syntax strictly and keeps
// every number as its text, so that a test can read it back at full 80-bit
// precision.

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kr::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind Type = Kind::Null;
    bool Flag = false;
    std::string Text;  // a string's value, or a number's text
    std::vector<JsonValue> Items;
    std::vector<std::pair<std::string, JsonValue>> Members;

    const JsonValue& operator[](std::string_view key) const
    {
        for (const auto& [name, value] : Members)
            if (name == key)
                return value;
        throw std::runtime_error("no member " + std::string(key));
    }
    const JsonValue& operator[](std::size_t index) const { return Items.at(index); }
    bool Has(std::string_view key) const
    {
        for (const auto& member : Members)
            if (member.first == key)
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
        JsonReader reader(text);
        JsonValue value = reader.Value();
        reader.SkipBlanks();
        if (reader.at_ != text.size())
            reader.Fail("text after the value");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
    }
    void SkipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    char Peek()
    {
        SkipBlanks();
        if (at_ >= text_.size())
            Fail("unexpected end");
        return text_[at_];
    }
    void Expect(char c)
    {
        if (Peek() != c)
            Fail(std::string("expected ") + c);
        ++at_;
    }
    bool Literal(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    JsonValue Value()
    {
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            value.Type = JsonValue::Kind::Object;
            ++at_;
            if (Peek() == '}') {
                ++at_;
                return value;
            }
            do {
                if (Peek() != '"')
                    Fail("expected a key");
                std::string key = String();
                Expect(':');
                value.Members.emplace_back(std::move(key), Value());
            } while (Peek() == ',' && ++at_);
            Expect('}');
        } else if (c == '[') {
            value.Type = JsonValue::Kind::Array;
            ++at_;
            if (Peek() == ']') {
                ++at_;
                return value;
            }
            do {
                value.Items.push_back(Value());
            } while (Peek() == ',' && ++at_);
            Expect(']');
        } else if (c == '"') {
            value.Type = JsonValue::Kind::String;
            value.Text = String();
        } else if (Literal("true") || Literal("false")) {
            value.Type = JsonValue::Kind::Bool;
            value.Flag = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
        } else if (Literal("null")) {
            value.Type = JsonValue::Kind::Null;
        } else {
            value.Type = JsonValue::Kind::Number;
            value.Text = NumberText();
        }
        return value;
    }

    std::string NumberText()
    {
        const std::size_t start = at_;
        const auto digits = [&] {
            const std::size_t first = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                ++at_;
            if (at_ == first)
                Fail("expected digits");
        };
        if (text_[at_] == '-')
            ++at_;
        if (at_ < text_.size() && text_[at_] == '0')
            ++at_;
        else
            digits();
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            digits();
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            digits();
        }
        return std::string(text_.substr(start, at_ - start));
    }

    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string String()
    {
        Expect('"');
        std::string out;
        while (true) {
            if (at_ >= text_.size())
                Fail("unclosed string");
            const char c = text_[at_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                Fail("unclosed escape");
            const char e = text_[at_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (at_ + 4 > text_.size())
                    Fail("short \\u escape");
                AppendUtf8(out, static_cast<unsigned>(std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16)));
                at_ += 4;
                break;
            }
            default: Fail("unknown escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace kr::test
