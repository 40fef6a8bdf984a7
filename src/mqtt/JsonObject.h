#pragma once
// A flat JSON object written field by field: enough for the few messages the program
// publishes, without a JSON library. Numbers keep the decimals the caller asks for, with '.'
// whatever the locale.

#include <optional>
#include <string>
#include <string_view>

class JsonObject {
public:
    JsonObject& Text(std::string_view key, std::string_view value);
    // null without a value.
    JsonObject& Number(std::string_view key, std::optional<double> value, int decimals);
    // `json` as it is: a nested object or array.
    JsonObject& Raw(std::string_view key, std::string_view json);
    std::string Json() const { return "{" + body_ + "}"; }

private:
    void Key(std::string_view key);
    std::string body_;
};

// `text` as a JSON string, quotes and escapes included.
std::string JsonString(std::string_view text);
