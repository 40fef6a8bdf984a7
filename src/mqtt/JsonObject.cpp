#include "mqtt/JsonObject.h"

#include <cmath>
#include <cstdio>

#include "measure/FixedFormat.h"

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void JsonObject::Key(std::string_view key) {
    if (!body_.empty()) body_ += ',';
    body_ += JsonString(key) + ':';
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view value) {
    Key(key);
    body_ += JsonString(value);
    return *this;
}

JsonObject& JsonObject::Number(std::string_view key, std::optional<double> value, int decimals) {
    Key(key);
    // The status line's own formatting, so that the figures read as it shows them.
    body_ += value && std::isfinite(*value)
                 ? TrimLeadingBlanks(FormatFixed(*value, 1, decimals, '.'))
                 : "null";
    return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
    return *this;
}
