// Widen and Narrow: the one pair of conversions between the program's text,
// UTF-8 in std::string everywhere inside it, and the UTF-16 that the wide
// (W) functions of Windows take. Every call into Windows with a text or a
// path goes through them, so no text ever passes through the ANSI code
// page, which cannot hold most of the world's letters.
#pragma once

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16, int length);
