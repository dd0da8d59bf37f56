#include "cli/MatrixOptions.h"

#include <algorithm>
#include <cctype>

namespace cli {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string TypeName(engine::SymbologyCode code) {
    return std::string(engine::FindSymbology(code)->listItem);
}

std::string EccFrom(const std::string& value, engine::SymbologyCode code,
                    const engine::MatrixSymbology* symbology) {
    if (!symbology || symbology->eccChoices.empty())
        throw UsageError(TypeName(code) + " has no error correction level to choose");
    for (const engine::EccChoice& choice : symbology->eccChoices)
        if (SameIgnoringCase(choice.label, value)) return std::string(choice.label);
    throw UsageError("--ecc for " + TypeName(code) + " takes " + EccChoicesText(*symbology) +
                     ", not \"" + value + "\"");
}

int SizeFrom(const std::string& value, engine::SymbologyCode code,
             const engine::MatrixSymbology* symbology) {
    if (!symbology || symbology->sizeChoices.empty())
        throw UsageError(TypeName(code) + " has no symbol size to choose");
    if (SameIgnoringCase(value, "auto")) return 0;
    const auto& sizes = symbology->sizeChoices;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (SameIgnoringCase(sizes[i], value) ||
            SameIgnoringCase(sizes[i].substr(0, sizes[i].find(' ')), value))
            return static_cast<int>(i) + 1;
    throw UsageError("--size for " + TypeName(code) + " takes auto or one of " +
                     std::string(sizes.front()) + " to " + std::string(sizes.back()) + ", not \"" +
                     value + "\"");
}

} // namespace

engine::SymbolOptions MatrixOptionsFrom(const CliArguments& args, engine::SymbologyCode code,
                                        const engine::SymbolOptions& defaults) {
    const engine::MatrixSymbology* symbology = engine::FindMatrixSymbology(code);
    engine::SymbolOptions options = symbology ? defaults : engine::SymbolOptions{};
    if (const auto ecc = args.Value("--ecc")) options.ecc = EccFrom(*ecc, code, symbology);
    if (const auto size = args.Value("--size")) options.size = SizeFrom(*size, code, symbology);
    return options;
}

std::string EccChoicesText(const engine::MatrixSymbology& symbology) {
    std::string text;
    for (const engine::EccChoice& choice : symbology.eccChoices)
        text += (text.empty() ? "" : ", ") + std::string(choice.label);
    return text;
}

} // namespace cli
