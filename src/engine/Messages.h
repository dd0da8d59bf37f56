#pragma once
// The texts the engine says to users are made from these patterns, whose %1, %2 … the values
// fill. The same patterns let a window find the values again and say the text in the user's
// language. A text takes the first pattern it matches, so the more specific ones come first.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine::message {

// GS1 data in brackets; %1 names the AI, "AI (01)".
inline constexpr std::string_view kNoBrackets =
    "GS1 data starts with an AI in brackets, such as (01)";
inline constexpr std::string_view kUnbracketed = "GS1 data needs each AI in brackets: %1";
inline constexpr std::string_view kUnknownAi = "%1 is unknown";
inline constexpr std::string_view kNoData = "%1 has no data";
inline constexpr std::string_view kDigitsOnly = "%1 takes digits only";
inline constexpr std::string_view kBadCharacter = "%1 holds a character GS1 does not allow";
inline constexpr std::string_view kFixedLength = "%1 takes %2 digits, not %3";
inline constexpr std::string_view kLengthRange = "%1 takes %2 to %3 characters, not %4";
inline constexpr std::string_view kCheckDigit = "%1 has the check digit %2 where %3 belongs";
inline constexpr std::string_view kNoDate = "%1 holds %2, which is no date (YYMMDD)";
// Two-dimensional symbols; %1 is the symbology's name.
inline constexpr std::string_view kTooLongForSize = "The text is too long for %1 (%2)";
inline constexpr std::string_view kTooLong = "The text is too long for %1: it holds at most %2";
inline constexpr std::string_view kCannotEncode = "%1 cannot encode this text: %2";
inline constexpr std::string_view kNoMemory = "Not enough memory to encode %1";
inline constexpr std::string_view kHoldsOnly = "%1 holds %2";
// What the largest symbol holds, and the symbol sizes, as the symbology table names them.
inline constexpr std::string_view kLimitMixed = "%1 digits, %2 letters or %3 bytes";
inline constexpr std::string_view kLimitBytes = "%1 digits or %2 bytes";
inline constexpr std::string_view kLimitGs1Letters = "%1 digits or %2 letters of GS1 data";
inline constexpr std::string_view kLimitGs1 = "%1 characters of GS1 data";
inline constexpr std::string_view kLimitGtin = "one GTIN, (01) and %1 digits";
inline constexpr std::string_view kOneColumn = "1 column";
inline constexpr std::string_view kColumns = "%1 columns";
inline constexpr std::string_view kCompact = "%1 compact";
inline constexpr std::string_view kAutomatic = "Auto";

inline constexpr std::array kPatterns{
    kNoBrackets,   kUnbracketed, kUnknownAi,  kNoData,     kDigitsOnly,     kBadCharacter,
    kFixedLength,  kLengthRange, kCheckDigit, kNoDate,     kTooLongForSize, kTooLong,
    kCannotEncode, kNoMemory,    kHoldsOnly,  kLimitMixed, kLimitBytes,     kLimitGs1Letters,
    kLimitGs1,     kLimitGtin,   kOneColumn,  kColumns,    kCompact,        kAutomatic};

// The pattern with each %N replaced by values[N-1]; a value's own '%' stays as it is.
std::string Compose(std::string_view pattern, const std::vector<std::string>& values);
// The values that fill `pattern` to make `text`, in the order of their numbers; none when the
// text is not made from the pattern.
std::optional<std::vector<std::string>> ValuesIn(std::string_view pattern, std::string_view text);

} // namespace engine::message
