// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Just enough of a JSON reader to read a hand history back: objects, lists, whole numbers, texts,
// true, false and null.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::sim {

struct JsonValue {
    enum class Kind : uint8_t { Null, Flag, Number, Text, List, Object };
    Kind Type = Kind::Null;
    bool Flag = false;
    int64_t Number = 0;
    std::string Text;
    // A list's items, or an object's values in the order of Keys.
    std::vector<JsonValue> Items;
    std::vector<std::string> Keys;

    // The value of an object's field, or nullptr.
    const JsonValue* Field(std::string_view Key) const;
};

// Reads one JSON text, white space around it allowed. Numbers must be whole and fit 64 bits;
// a hand history holds no others. On failure Error tells where and why.
bool ParseJson(std::string_view Text, JsonValue& Into, std::string& Error);

} // namespace tarnwick::sim
