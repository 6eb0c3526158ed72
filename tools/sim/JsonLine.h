// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes one JSON object on one line, field by field, straight into a text buffer.

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::sim {

class JsonLine {
public:
    explicit JsonLine(std::string& Out) : Out(Out) { Out += '{'; }
    JsonLine(const JsonLine&) = delete;
    JsonLine& operator=(const JsonLine&) = delete;
    ~JsonLine() { Out += "}\n"; }

    // Only for texts of plain letters: nothing is escaped.
    JsonLine& Text(std::string_view Key, std::string_view Value) {
        Name(Key);
        Out += '"';
        Out += Value;
        Out += '"';
        return *this;
    }
    JsonLine& Number(std::string_view Key, int64_t Value) {
        Name(Key);
        Append(Value);
        return *this;
    }
    JsonLine& Null(std::string_view Key) {
        Name(Key);
        Out += "null";
        return *this;
    }
    template <class Range> JsonLine& Numbers(std::string_view Key, const Range& Values) {
        Name(Key);
        AppendNumbers(Values);
        return *this;
    }
    template <class Range> JsonLine& NumberLists(std::string_view Key, const Range& Lists) {
        Name(Key);
        Out += '[';
        bool First = true;
        for (const auto& List : Lists) {
            if (!First) Out += ',';
            First = false;
            AppendNumbers(List);
        }
        Out += ']';
        return *this;
    }
    template <size_t N> JsonLine& Flags(std::string_view Key, const std::array<bool, N>& Values) {
        Name(Key);
        Out += '[';
        for (size_t I = 0; I < N; ++I) {
            if (I > 0) Out += ',';
            Out += Values[I] ? "true" : "false";
        }
        Out += ']';
        return *this;
    }

private:
    void Name(std::string_view Key) {
        if (!Empty) Out += ',';
        Empty = false;
        Out += '"';
        Out += Key;
        Out += "\":";
    }
    void Append(int64_t Value) {
        char Digits[24];
        const auto Result = std::to_chars(Digits, Digits + sizeof Digits, Value);
        Out.append(Digits, Result.ptr);
    }
    template <class Range> void AppendNumbers(const Range& Values) {
        Out += '[';
        bool First = true;
        for (const auto Value : Values) {
            if (!First) Out += ',';
            First = false;
            Append(static_cast<int64_t>(Value));
        }
        Out += ']';
    }

    std::string& Out;
    bool Empty = true;
};

} // namespace tarnwick::sim
