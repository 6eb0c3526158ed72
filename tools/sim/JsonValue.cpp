// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/JsonValue.h"

#include <cctype>
#include <charconv>

namespace tarnwick::sim {

namespace {

constexpr int MaxDepth = 32;

class Parser {
public:
    explicit Parser(std::string_view Text) : Text(Text) {}

    bool Document(JsonValue& Into, std::string& Error) {
        SkipSpace();
        if (!Value(Into, 0)) {
            Error = Why + " at column " + std::to_string(At + 1);
            return false;
        }
        SkipSpace();
        if (At != Text.size()) {
            Error = "text after the value at column " + std::to_string(At + 1);
            return false;
        }
        return true;
    }

private:
    bool Fail(std::string Reason) {
        Why = std::move(Reason);
        return false;
    }

    void SkipSpace() {
        while (At < Text.size() &&
               (Text[At] == ' ' || Text[At] == '\t' || Text[At] == '\n' || Text[At] == '\r'))
            ++At;
    }

    bool Take(char C) {
        if (At < Text.size() && Text[At] == C) {
            ++At;
            return true;
        }
        return false;
    }

    bool Word(std::string_view W) {
        if (Text.substr(At, W.size()) != W) return false;
        At += W.size();
        return true;
    }

    bool Value(JsonValue& Into, int Depth) {
        if (Depth > MaxDepth) return Fail("nested too deeply");
        if (At >= Text.size()) return Fail("a value is missing");
        const char C = Text[At];
        if (C == '{') return Object(Into, Depth);
        if (C == '[') return List(Into, Depth);
        if (C == '"') {
            Into.Type = JsonValue::Kind::Text;
            return String(Into.Text);
        }
        if (C == '-' || (C >= '0' && C <= '9')) return Number(Into);
        if (Word("true") || Word("false")) {
            Into.Type = JsonValue::Kind::Flag;
            Into.Flag = C == 't';
            return true;
        }
        if (Word("null")) {
            Into.Type = JsonValue::Kind::Null;
            return true;
        }
        return Fail(std::string("unexpected '") + C + "'");
    }

    bool Number(JsonValue& Into) {
        const size_t Start = At;
        if (Text[At] == '-') ++At;
        if (At >= Text.size() || Text[At] < '0' || Text[At] > '9') return Fail("a number has no digits");
        if (Text[At] == '0' && At + 1 < Text.size() && Text[At + 1] >= '0' && Text[At + 1] <= '9')
            return Fail("a number has a leading zero");
        const auto [End, Error] =
            std::from_chars(Text.data() + Start, Text.data() + Text.size(), Into.Number);
        if (Error != std::errc{}) return Fail("a number does not fit 64 bits");
        At = static_cast<size_t>(End - Text.data());
        if (At < Text.size() && (Text[At] == '.' || Text[At] == 'e' || Text[At] == 'E'))
            return Fail("a number is not whole");
        Into.Type = JsonValue::Kind::Number;
        return true;
    }

    bool String(std::string& Into) {
        ++At;
        Into.clear();
        while (At < Text.size()) {
            const char C = Text[At++];
            if (C == '"') return true;
            if (static_cast<unsigned char>(C) < 0x20) return Fail("a control character in a text");
            if (C != '\\') {
                Into += C;
                continue;
            }
            if (At >= Text.size()) break;
            const char Escaped = Text[At++];
            switch (Escaped) {
            case '"':
            case '\\':
            case '/':
                Into += Escaped;
                break;
            case 'b':
                Into += '\b';
                break;
            case 'f':
                Into += '\f';
                break;
            case 'n':
                Into += '\n';
                break;
            case 'r':
                Into += '\r';
                break;
            case 't':
                Into += '\t';
                break;
            case 'u':
                for (int Digit = 0; Digit < 4; ++Digit, ++At)
                    if (At >= Text.size() || !std::isxdigit(static_cast<unsigned char>(Text[At])))
                        return Fail("a broken \\u escape");
                // No hand history holds one; its character is not needed.
                Into += '?';
                break;
            default:
                return Fail("an unknown escape");
            }
        }
        return Fail("a text is not closed");
    }

    bool List(JsonValue& Into, int Depth) {
        ++At;
        Into.Type = JsonValue::Kind::List;
        SkipSpace();
        if (Take(']')) return true;
        for (;;) {
            SkipSpace();
            Into.Items.emplace_back();
            if (!Value(Into.Items.back(), Depth + 1)) return false;
            SkipSpace();
            if (Take(']')) return true;
            if (!Take(',')) return Fail("',' or ']' expected");
        }
    }

    bool Object(JsonValue& Into, int Depth) {
        ++At;
        Into.Type = JsonValue::Kind::Object;
        SkipSpace();
        if (Take('}')) return true;
        for (;;) {
            SkipSpace();
            if (At >= Text.size() || Text[At] != '"') return Fail("a key expected");
            std::string Key;
            if (!String(Key)) return false;
            SkipSpace();
            if (!Take(':')) return Fail("':' expected");
            SkipSpace();
            Into.Keys.push_back(std::move(Key));
            Into.Items.emplace_back();
            if (!Value(Into.Items.back(), Depth + 1)) return false;
            SkipSpace();
            if (Take('}')) return true;
            if (!Take(',')) return Fail("',' or '}' expected");
        }
    }

    std::string_view Text;
    size_t At = 0;
    std::string Why;
};

} // namespace

const JsonValue* JsonValue::Field(std::string_view Key) const {
    for (size_t I = 0; I < Keys.size(); ++I)
        if (Keys[I] == Key) return &Items[I];
    return nullptr;
}

bool ParseJson(std::string_view Text, JsonValue& Into, std::string& Error) {
    Into = JsonValue{};
    return Parser(Text).Document(Into, Error);
}

} // namespace tarnwick::sim
