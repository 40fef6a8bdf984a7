#pragma once
// UTF-8 to UTF-16 and back, for the wide-character Windows calls.

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
