#pragma once
// GS1 data written with its application identifiers in brackets, "(01)09506000134352(10)AB-123":
// parsed, checked against the AI table (lengths, digits, GTIN check digits, dates), and turned
// into the element string a symbol carries, with a separator after each field whose length
// the AI does not predefine.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct Gs1Field {
    std::string ai;
    std::string value;

    bool operator==(const Gs1Field&) const = default;
};

struct Gs1Parse {
    std::vector<Gs1Field> fields;
    std::string error; // empty when the data is good; else names the AI at fault

    bool Ok() const { return error.empty(); }
};

// Whether a text is meant as bracketed GS1 data: it starts with "(".
bool IsBracketedGs1(std::string_view text);

// Parses and checks bracketed data.
Gs1Parse ParseGs1(std::string_view bracketed);

// AI and value of each field in a row, `separator` after each field that needs one to end it
// (the last field never does). The separator is the caller's FNC1 or GS.
std::string Gs1ElementString(const std::vector<Gs1Field>& fields, char separator);

// The fields in brackets again: "(01)09506000134352(10)AB-123".
std::string Gs1Bracketed(const std::vector<Gs1Field>& fields);

// An element string as decoders return it (fields ended by GS where their length is not fixed)
// back in brackets; none when it holds an AI the table does not know.
std::optional<std::string> Gs1FromElementString(std::string_view data);

} // namespace engine
