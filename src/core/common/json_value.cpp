#include "core/common/json_value.h"

#include "core/common/cp1252.h"

#include <algorithm>

namespace kr {

namespace {

constexpr char32_t HighSurrogateFirst = 0xD800;
constexpr char32_t LowSurrogateFirst = 0xDC00;
constexpr char32_t SurrogateEnd = 0xE000;
constexpr char32_t LargestCodePoint = 0x10FFFF;
constexpr int HexEscapeDigits = 4;

// Thrown inside the reader only; ParseJson turns it into its result.
struct SyntaxError {
    std::string What;
    std::size_t Offset;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The length of the well-formed UTF-8 sequence at text[at] (no overlong
// forms, no surrogates, nothing beyond U+10FFFF), or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = code >= HighSurrogateFirst && code < SurrogateEnd;
    return code < smallest || surrogate || code > LargestCodePoint ? 0 : length;
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonValue Document()
    {
        JsonValue value = Value(0);
        SkipBlanks();
        if (at_ < text_.size())
            Fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void Fail(std::string what) const { throw SyntaxError{std::move(what), at_}; }

    bool AtEnd() const { return at_ >= text_.size(); }

    void SkipBlanks()
    {
        while (!AtEnd() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    char Peek()
    {
        SkipBlanks();
        if (AtEnd())
            Fail("unexpected end of the text");
        return text_[at_];
    }

    void Expect(char c, std::string_view where)
    {
        if (Peek() != c)
            Fail("expected '" + std::string(1, c) + "' " + std::string(where));
        ++at_;
    }

    JsonValue Value(int depth)
    {
        const char c = Peek();
        if (c == '{' || c == '[') {
            if (depth >= JsonMaxDepth)
                Fail("nested deeper than " + std::to_string(JsonMaxDepth) + " levels");
            return c == '{' ? Object(depth + 1) : Array(depth + 1);
        }
        JsonValue value;
        if (c == '"') {
            value.Type = JsonValue::Kind::String;
            value.Text = String();
        } else if (c == '-' || IsDigit(c)) {
            value.Type = JsonValue::Kind::Number;
            value.Text = Number();
        } else if (Word("true")) {
            value.Type = JsonValue::Kind::Bool;
            value.Flag = true;
        } else if (Word("false")) {
            value.Type = JsonValue::Kind::Bool;
        } else if (!Word("null")) {
            Fail("expected a value");
        }
        return value;
    }

    bool Word(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    JsonValue Object(int depth)
    {
        JsonValue object;
        object.Type = JsonValue::Kind::Object;
        ++at_;
        if (Peek() == '}') {
            ++at_;
            return object;
        }
        for (;;) {
            if (Peek() != '"')
                Fail("expected a member name in quotes");
            const std::size_t nameAt = at_;
            std::string name = String();
            if (object.Find(name) != nullptr) {
                at_ = nameAt;
                Fail("the member \"" + name + "\" is given twice");
            }
            Expect(':', "after a member name");
            object.Members.push_back({std::move(name), Value(depth)});
            if (Peek() == '}')
                break;
            Expect(',', "or '}' after a member");
        }
        ++at_;
        return object;
    }

    JsonValue Array(int depth)
    {
        JsonValue array;
        array.Type = JsonValue::Kind::Array;
        ++at_;
        if (Peek() == ']') {
            ++at_;
            return array;
        }
        for (;;) {
            array.Items.push_back(Value(depth));
            if (Peek() == ']')
                break;
            Expect(',', "or ']' after an element");
        }
        ++at_;
        return array;
    }

    void Digits()
    {
        if (AtEnd() || !IsDigit(text_[at_]))
            Fail("expected a digit");
        while (!AtEnd() && IsDigit(text_[at_]))
            ++at_;
    }

    std::string Number()
    {
        const std::size_t start = at_;
        if (text_[at_] == '-')
            ++at_;
        if (!AtEnd() && text_[at_] == '0') {
            ++at_;
            if (!AtEnd() && IsDigit(text_[at_]))
                Fail("a number with a leading zero");
        } else {
            Digits();
        }
        if (!AtEnd() && text_[at_] == '.') {
            ++at_;
            Digits();
        }
        if (!AtEnd() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (!AtEnd() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            Digits();
        }
        return std::string(text_.substr(start, at_ - start));
    }

    char32_t HexQuad()
    {
        char32_t code = 0;
        for (int i = 0; i < HexEscapeDigits; ++i, ++at_) {
            const int digit = AtEnd() ? -1 : HexValue(text_[at_]);
            if (digit < 0)
                Fail("expected four hex digits after \\u");
            code = code * 16 + static_cast<char32_t>(digit);
        }
        return code;
    }

    // After "\u": one code point, a surrogate pair joined.
    char32_t Escaped()
    {
        const std::size_t escapeAt = at_ - 2;
        const char32_t code = HexQuad();
        if (code < HighSurrogateFirst || code >= SurrogateEnd)
            return code;
        if (code < LowSurrogateFirst && Word("\\u")) {
            const char32_t low = HexQuad();
            if (low >= LowSurrogateFirst && low < SurrogateEnd)
                return 0x10000 + ((code - HighSurrogateFirst) << 10) + (low - LowSurrogateFirst);
        }
        at_ = escapeAt;
        Fail("a \\u escape of half a surrogate pair");
    }

    std::string String()
    {
        ++at_;
        std::string out;
        for (;;) {
            if (AtEnd())
                Fail("a string that is never closed");
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("a control character in a string");
            if (c != '\\') {
                const std::size_t length = Utf8SequenceLength(text_, at_);
                if (length == 0)
                    Fail("bytes that are not UTF-8");
                out.append(text_.substr(at_, length));
                at_ += length;
                continue;
            }
            ++at_;
            const char e = AtEnd() ? '\0' : text_[at_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': AppendUtf8(out, Escaped()); break;
            default: --at_, Fail("an unknown escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const
{
    const auto found = std::ranges::find_if(Members, [&](const JsonMember& member) { return member.Name == name; });
    return found == Members.end() ? nullptr : &found->Value;
}

JsonParse ParseJson(std::string_view text)
{
    JsonParse parse;
    try {
        parse.Value = Reader(text).Document();
    } catch (const SyntaxError& error) {
        parse.Offset = std::min(error.Offset, text.size());
        const std::string_view before = text.substr(0, parse.Offset);
        parse.Line = static_cast<int>(std::ranges::count(before, '\n')) + 1;
        const std::size_t lineStart = before.rfind('\n');
        parse.Column = static_cast<int>(parse.Offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1)) + 1;
        parse.Error = error.What + " at line " + std::to_string(parse.Line) + ", column " + std::to_string(parse.Column);
    }
    return parse;
}

}  // namespace kr
