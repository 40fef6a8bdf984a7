#pragma once
// Typed access to quorvane.ini with the program's own encodings: booleans as "1"/"0",
// integers in decimal (hex read with a "0x", "0X" or "$" prefix), decimals with the
// locale's separator. A missing key, or a value that does not convert, gives the default.

#include <string>

#include "platform/ProfileFile.h"

class SettingsFile {
public:
    // decimalSeparator: the operator's locale's character between whole and fractional digits.
    explicit SettingsFile(ProfileFile& file, char decimalSeparator = '.');

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    double ReadFloat(const std::string& section, const std::string& key, double defaultValue) const;

    // Each returns false when the file could not be written.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    bool WriteFloat(const std::string& section, const std::string& key, double value);

    ProfileFile& Profile() const { return file_; }

private:
    ProfileFile& file_;
    char separator_;
};

// The conversions themselves, for callers that hold the text already.
// An integer converts when the whole text, blanks around it aside, is an optional sign and
// either decimal digits or a hex prefix ("0x", "0X", "$") and hex digits, and the result
// fits in 32 bits. "12abc", "", "1.5" and "99999999999" do not convert.
bool ParseSettingInteger(const std::string& text, int& value);
// A decimal converts when the whole text, blanks around it aside, is an optional sign,
// digits with at most one decimal separator, and an optional exponent, giving a finite
// number. With ',' as the separator a '.' is accepted in its place (the file never holds
// grouping marks, so a '.' can only be a decimal point); a value with both does not convert.
bool ParseSettingFloat(const std::string& text, char decimalSeparator, double& value);
// Shortest form with up to 15 significant digits (as "%.15g"), with the given separator;
// the few values next to the largest double, where that form would overflow, get the
// shortest form that reads back exactly.
std::string FormatSettingFloat(double value, char decimalSeparator);
