#include "engine/Gs1.h"

#include "engine/CheckDigits.h"
#include "engine/Messages.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

using namespace message;

enum class Chars { Digits, Cset82 };
enum class Check { None, Mod10, Date };

// One AI or family of AIs; '#' in the pattern stands for any digit (a decimal point position).
struct AiRule {
    std::string_view pattern;
    Chars chars;
    int minLength;
    int maxLength;
    Check check;
};

using enum Chars;
using enum Check;

// The GS1 application identifiers in common use: data kind, length range and check.
constexpr std::array<AiRule, 64> kAiRules{{
    {"00", Digits, 18, 18, Mod10},   {"01", Digits, 14, 14, Mod10},  {"02", Digits, 14, 14, Mod10},
    {"10", Cset82, 1, 20, None},     {"11", Digits, 6, 6, Date},     {"12", Digits, 6, 6, Date},
    {"13", Digits, 6, 6, Date},      {"15", Digits, 6, 6, Date},     {"16", Digits, 6, 6, Date},
    {"17", Digits, 6, 6, Date},      {"20", Digits, 2, 2, None},     {"21", Cset82, 1, 20, None},
    {"22", Cset82, 1, 20, None},     {"235", Cset82, 1, 28, None},   {"240", Cset82, 1, 30, None},
    {"241", Cset82, 1, 30, None},    {"242", Digits, 1, 6, None},    {"243", Cset82, 1, 20, None},
    {"250", Cset82, 1, 30, None},    {"251", Cset82, 1, 30, None},   {"254", Cset82, 1, 20, None},
    {"30", Digits, 1, 8, None},      {"310#", Digits, 6, 6, None},   {"311#", Digits, 6, 6, None},
    {"312#", Digits, 6, 6, None},    {"313#", Digits, 6, 6, None},   {"314#", Digits, 6, 6, None},
    {"315#", Digits, 6, 6, None},    {"316#", Digits, 6, 6, None},   {"320#", Digits, 6, 6, None},
    {"321#", Digits, 6, 6, None},    {"322#", Digits, 6, 6, None},   {"330#", Digits, 6, 6, None},
    {"331#", Digits, 6, 6, None},    {"332#", Digits, 6, 6, None},   {"340#", Digits, 6, 6, None},
    {"341#", Digits, 6, 6, None},    {"356#", Digits, 6, 6, None},   {"357#", Digits, 6, 6, None},
    {"37", Digits, 1, 8, None},      {"390#", Digits, 1, 15, None},  {"392#", Digits, 1, 15, None},
    {"400", Cset82, 1, 30, None},    {"401", Cset82, 1, 30, None},   {"402", Digits, 17, 17, Mod10},
    {"403", Cset82, 1, 30, None},    {"410", Digits, 13, 13, Mod10}, {"411", Digits, 13, 13, Mod10},
    {"412", Digits, 13, 13, Mod10},  {"413", Digits, 13, 13, Mod10}, {"414", Digits, 13, 13, Mod10},
    {"415", Digits, 13, 13, Mod10},  {"416", Digits, 13, 13, Mod10}, {"420", Cset82, 1, 20, None},
    {"422", Digits, 3, 3, None},     {"7003", Digits, 10, 10, None}, {"8004", Cset82, 1, 30, None},
    {"8005", Digits, 6, 6, None},    {"8006", Digits, 18, 18, None}, {"8007", Cset82, 1, 34, None},
    {"8018", Digits, 18, 18, Mod10}, {"8020", Cset82, 1, 25, None},  {"90", Cset82, 1, 30, None},
    {"91", Cset82, 1, 90, None},
}};

// The first two digits of the AIs whose element strings have a length fixed in advance, so
// that no separator ends them.
constexpr std::array<std::string_view, 22> kPredefinedLength{
    "00", "01", "02", "03", "04", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "31", "32", "33", "34", "35", "36", "41"};

// GS1 AI encodable character set 82.
bool InCset82(unsigned char c) {
    constexpr std::string_view kMarks = "!\"%&'()*+,-./:;<=>?_";
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kMarks.find(static_cast<char>(c)) != std::string_view::npos;
}

bool AllDigits(std::string_view s) {
    return std::ranges::all_of(s, [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
}

bool Matches(std::string_view pattern, std::string_view ai) {
    if (pattern.size() != ai.size()) return false;
    for (std::size_t i = 0; i < ai.size(); ++i)
        if (pattern[i] != '#' && pattern[i] != ai[i]) return false;
    return true;
}

const AiRule* FindRule(std::string_view ai) {
    // AIs 91 to 99 are the company's own, all alike.
    if (ai.size() == 2 && ai[0] == '9' && ai[1] >= '1') return &kAiRules.back();
    for (const AiRule& rule : kAiRules)
        if (Matches(rule.pattern, ai)) return &rule;
    return nullptr;
}

bool IsDate(std::string_view yymmdd) {
    constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = (yymmdd[2] - '0') * 10 + (yymmdd[3] - '0');
    const int day = (yymmdd[4] - '0') * 10 + (yymmdd[5] - '0');
    // Day 00 stands for the month's last day.
    return month >= 1 && month <= 12 && day <= kDays[static_cast<std::size_t>(month - 1)];
}

std::string Named(std::string_view ai) {
    return "AI (" + std::string(ai) + ")";
}

// Empty when the value suits the rule; else what is wrong, naming the AI.
std::string CheckValue(std::string_view ai, const AiRule& rule, std::string_view value) {
    const int length = static_cast<int>(value.size());
    if (rule.chars == Digits && !AllDigits(value)) return Compose(kDigitsOnly, {Named(ai)});
    if (rule.chars == Cset82 &&
        !std::ranges::all_of(value, [](char c) { return InCset82(static_cast<unsigned char>(c)); }))
        return Compose(kBadCharacter, {Named(ai)});
    if (rule.minLength == rule.maxLength && length != rule.minLength)
        return Compose(kFixedLength,
                       {Named(ai), std::to_string(rule.minLength), std::to_string(length)});
    if (length < rule.minLength || length > rule.maxLength)
        return Compose(kLengthRange, {Named(ai), std::to_string(rule.minLength),
                                   std::to_string(rule.maxLength), std::to_string(length)});
    if (rule.check == Mod10) {
        const char expected = Mod10CheckDigit(value.substr(0, value.size() - 1));
        if (value.back() != expected)
            return Compose(kCheckDigit,
                        {Named(ai), std::string(1, value.back()), std::string(1, expected)});
    }
    if (rule.check == Date && !IsDate(value))
        return Compose(kNoDate, {Named(ai), std::string(value)});
    return {};
}

bool NeedsSeparator(std::string_view ai) {
    return std::ranges::find(kPredefinedLength, ai.substr(0, 2)) == kPredefinedLength.end();
}

} // namespace

bool IsBracketedGs1(std::string_view text) {
    return !text.empty() && text.front() == '(';
}

Gs1Parse ParseGs1(std::string_view text) {
    Gs1Parse out;
    if (!IsBracketedGs1(text)) {
        out.error = std::string(kNoBrackets);
        return out;
    }
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t close = text.find(')', at);
        if (text[at] != '(' || close == std::string_view::npos) {
            out.error = Compose(kUnbracketed, {std::string(text.substr(at))});
            return out;
        }
        const std::string_view ai = text.substr(at + 1, close - at - 1);
        const std::size_t next = std::min(text.find('(', close), text.size());
        const std::string_view value = text.substr(close + 1, next - close - 1);
        const AiRule* rule = AllDigits(ai) ? FindRule(ai) : nullptr;
        if (!rule)
            out.error = Compose(kUnknownAi, {Named(ai)});
        else if (value.empty())
            out.error = Compose(kNoData, {Named(ai)});
        else
            out.error = CheckValue(ai, *rule, value);
        if (!out.Ok()) return out;
        out.fields.push_back({std::string(ai), std::string(value)});
        at = next;
    }
    return out;
}

std::string Gs1ElementString(const std::vector<Gs1Field>& fields, char separator) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += fields[i].ai + fields[i].value;
        if (i + 1 < fields.size() && NeedsSeparator(fields[i].ai)) out += separator;
    }
    return out;
}

std::string Gs1Bracketed(const std::vector<Gs1Field>& fields) {
    std::string out;
    for (const Gs1Field& field : fields)
        out += "(" + field.ai + ")" + field.value;
    return out;
}

std::optional<std::string> Gs1FromElementString(std::string_view data) {
    constexpr char kGs = '\x1d';
    std::vector<Gs1Field> fields;
    std::size_t at = 0;
    while (at < data.size()) {
        const AiRule* rule = nullptr;
        std::size_t aiLength = 2;
        for (; aiLength <= 4 && at + aiLength <= data.size() && !rule; ++aiLength)
            rule = FindRule(data.substr(at, aiLength));
        if (!rule) return std::nullopt;
        --aiLength;
        const std::size_t start = at + aiLength;
        const bool fixed = rule->minLength == rule->maxLength;
        const std::size_t end =
            fixed ? std::min(start + static_cast<std::size_t>(rule->maxLength), data.size())
                  : std::min(data.find(kGs, start), data.size());
        fields.push_back(
            {std::string(data.substr(at, aiLength)), std::string(data.substr(start, end - start))});
        at = end < data.size() && data[end] == kGs ? end + 1 : end;
    }
    return Gs1Bracketed(fields);
}

} // namespace engine
