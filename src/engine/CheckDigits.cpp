#include "engine/CheckDigits.h"

#include "engine/Code128.h"
#include "engine/Code93.h"

#include <vector>

namespace engine {
namespace {

int DigitValue(char c) {
    return static_cast<unsigned char>(c) - '0';
}

// The digit that brings a weighted sum up to a multiple of ten.
char TenComplement(long long sum) {
    const int remainder = static_cast<int>(((sum % 10) + 10) % 10);
    return static_cast<char>('0' + (remainder == 0 ? 0 : 10 - remainder));
}

// Sum of value × weight with weights 1, 2, ... maxWeight, 1, 2, ... from the right end.
long long WeightedFromRight(const std::vector<int>& values, int maxWeight) {
    long long sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += static_cast<long long>(*it) * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum;
}

} // namespace

char Mod10CheckDigit(std::string_view digits) {
    long long sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += static_cast<long long>(DigitValue(*it)) * weight;
        weight = 4 - weight;
    }
    return TenComplement(sum);
}

std::string WithMod10Check(std::string_view digits, std::size_t length) {
    std::string padded(length > digits.size() ? length - digits.size() : 0, '0');
    padded += digits;
    return padded + Mod10CheckDigit(padded);
}

char PostnetCheckDigit(std::string_view digits) {
    long long sum = 0;
    for (char c : digits)
        sum += DigitValue(c);
    return TenComplement(sum);
}

char Code39CheckChar(std::string_view text, int modulus) {
    constexpr int kAsteriskValue = 43;
    if (modulus < 1 || modulus > static_cast<int>(Code39Chars.size())) modulus = 43;
    long long sum = 0;
    for (char c : text) {
        const auto position = Code39Chars.find(c);
        sum += position == std::string_view::npos ? kAsteriskValue : static_cast<int>(position);
    }
    return Code39Chars[static_cast<std::size_t>(sum % modulus)];
}

int Code93CheckC(std::string_view text) {
    return static_cast<int>(WeightedFromRight(Code93Values(text), 20) % 47);
}

int Code93CheckK(std::string_view text) {
    std::vector<int> values = Code93Values(text);
    values.push_back(Code93CheckC(text));
    return static_cast<int>(WeightedFromRight(values, 15) % 47);
}

char Code128Checksum(std::string_view codeChars) {
    if (codeChars.empty()) return static_cast<char>(kCodeCharOffset);
    const auto value = [](char c) { return static_cast<unsigned char>(c) - kCodeCharOffset; };
    long long sum = value(codeChars[0]);
    for (std::size_t i = 1; i < codeChars.size(); ++i)
        sum += static_cast<long long>(value(codeChars[i])) * static_cast<long long>(i);
    const int checkValue = static_cast<int>(((sum % 103) + 103) % 103);
    return static_cast<char>(checkValue + kCodeCharOffset);
}

std::string ExpandUpcE(std::string_view d) {
    if (d.size() < 6) return {};
    const std::string s(d.substr(0, 6));
    switch (s[5]) {
    case '0':
    case '1':
    case '2':
        return "0" + s.substr(0, 2) + s[5] + "0000" + s.substr(2, 3);
    case '3':
        return "0" + s.substr(0, 3) + "00000" + s.substr(3, 2);
    case '4':
        return "0" + s.substr(0, 4) + "00000" + s[4];
    default:
        return "0" + s.substr(0, 5) + "0000" + s[5];
    }
}

} // namespace engine
