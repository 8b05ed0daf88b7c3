// Numeric and text conventions of the trainer, in one place.
//
// Texts handled here are single-byte Windows-1250 strings, the form in which the trainer's
// files store them. Numbers typed by the user or read from files are taken as their leading
// decimal number, and whole numbers are obtained by rounding halves to the even neighbour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kviz::basic {

// The leading decimal number of a text: leading blanks and tabs are skipped, then an optional
// sign, digits and an optional fraction are read. 0 when the text starts with no number.
double leadingNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Conversion to a 32-bit whole number by rounding halves to even; empty when out of range.
std::optional<std::int32_t> toLong(double value);

// Upper case of a Windows-1250 text, letters with diacritics included.
std::string upper(std::string_view text);

// The text without leading and trailing blanks.
std::string trim(std::string_view text);

// The text without trailing blanks.
std::string trimEnd(std::string_view text);

// Windows-1250 <-> Unicode for one character. Bytes that the code page leaves undefined map
// to the control characters of the same number, so that any text of bytes makes the round
// trip; characters the code page cannot hold give no byte.
char32_t cp1250ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1250(char32_t ch);

} // namespace kviz::basic
