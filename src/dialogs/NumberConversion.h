#pragma once
// Text-to-number conversions for the numbers the operator types into the dialogs.
// They never fail: whatever cannot be read as a number gives 0, and callers apply
// their own ranges afterwards.

#include <cstdint>
#include <string>

// Country code chosen from the operator's language; selects DecimalChar and GroupChar.
extern int NumberCountry;
// Separator between whole and fractional digits that the conversions expect. This is
// the library's own choice from NumberCountry, not the platform's locale.
extern char DecimalChar;
// Thousands separator that goes with DecimalChar (not used by the conversions).
extern char GroupChar;

// Country code for a Windows language identifier (primary language in the low 10 bits).
int NumberCountryFromLanguage(uint16_t langId);

// Sets NumberCountry, DecimalChar and GroupChar once at program start.
void InitNumberConversion(uint16_t langId);

int16_t LenientStrToInt(const std::string& text);
double LenientStrToFloat(const std::string& text);
// The same with the separator that the text was written with, for numbers the program
// itself put into a field in the locale's format.
double LenientStrToFloat(const std::string& text, char decimalChar);
