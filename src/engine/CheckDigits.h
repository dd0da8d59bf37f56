#pragma once
// Check characters of every symbology, for the bars and for the human-readable text alike.
// Digits are expected; any other character counts as its code minus the code of '0'.

#include <string>
#include <string_view>

namespace engine {

// The 43 Code 39 data characters in check-value order.
inline constexpr std::string_view Code39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// "0" to "9" only: the one test of a digit the encoders and the filter share.
constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Weights 3, 1, 3, ... from the last character; UPC, EAN, SSC-14, SSCC-18.
char Mod10CheckDigit(std::string_view digits);
// `digits` with leading zeros up to `length`, then their Mod10CheckDigit: the whole number of
// UPC, EAN and the shipping codes.
std::string WithMod10Check(std::string_view digits, std::size_t length);
char PostnetCheckDigit(std::string_view digits);
// modulus 43 or 10; a character outside Code39Chars (the asterisk) counts 43.
char Code39CheckChar(std::string_view text, int modulus);
// Code 93 check character values 0..46 over the text's full-ASCII Code 93 characters.
int Code93CheckC(std::string_view text);
int Code93CheckK(std::string_view text);
// Over a string of Code 128 code characters (code value + 32), start character first.
char Code128Checksum(std::string_view codeChars);
// Six UPC-E digits to their eleven UPC-A digits; empty for fewer than six characters.
std::string ExpandUpcE(std::string_view upcE);

} // namespace engine
