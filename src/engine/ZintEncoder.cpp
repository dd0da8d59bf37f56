#include "engine/ZintEncoder.h"

#include "engine/Gs1.h"
#include "engine/Messages.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace engine {
namespace {

using namespace message;

constexpr int kUtf8Eci = 26;

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

std::string Name(const MatrixSymbology& symbology) {
    return std::string(FindSymbology(symbology.code)->listItem);
}

bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What zint is given: the text, or the GS1 fields in zint's square brackets. Sets the input
// mode; returns an error text instead when the GS1 data is bad.
struct ZintInput {
    std::string data;
    int inputMode = DATA_MODE;
    int eci = 0;
    std::string error;
};

ZintInput Gs1Input(const MatrixSymbology& symbology, std::string_view text) {
    const Gs1Parse parsed = ParseGs1(text);
    if (!parsed.Ok()) return {{}, 0, 0, parsed.error};
    if (symbology.code == SymbologyCode::DataBar) {
        if (parsed.fields.size() != 1 || parsed.fields.front().ai != "01")
            return {{}, 0, 0, Compose(kHoldsOnly, {Name(symbology), std::string(symbology.limit)})};
        return {parsed.fields.front().value.substr(0, 13), DATA_MODE, 0, {}};
    }
    std::string data;
    for (const Gs1Field& field : parsed.fields)
        data += "[" + field.ai + "]" + field.value;
    return {data, GS1_MODE, 0, {}};
}

ZintInput TextInput(const MatrixSymbology& symbology, std::string_view text) {
    if (IsAscii(text)) return {std::string(text), DATA_MODE, 0, {}};
    return {std::string(text), UNICODE_MODE, symbology.eci ? kUtf8Eci : 0, {}};
}

std::string SizeName(const MatrixSymbology& symbology, int size) {
    return std::string(symbology.sizeChoices[static_cast<std::size_t>(size - 1)]);
}

std::string ZintError(const MatrixSymbology& symbology, const zint_symbol& symbol, int status,
                      int size) {
    if (status == ZINT_ERROR_TOO_LONG)
        return size > 0 ? Compose(kTooLongForSize, {Name(symbology), SizeName(symbology, size)})
                        : Compose(kTooLong, {Name(symbology), std::string(symbology.limit)});
    std::string why = symbol.errtxt;
    // zint's "Error 123: " prefix says nothing to a user.
    if (const auto colon = why.find(": "); why.starts_with("Error ") && colon != std::string::npos)
        why = why.substr(colon + 2);
    return Compose(kCannotEncode, {Name(symbology), why});
}

SymbolMatrix MatrixOf(const zint_symbol& symbol) {
    SymbolMatrix m;
    m.rows = symbol.rows;
    m.columns = symbol.width;
    m.dark.resize(static_cast<std::size_t>(m.rows) * static_cast<std::size_t>(m.columns));
    m.rowModules.resize(static_cast<std::size_t>(m.rows));
    // Rows without a height of their own share what the symbol's height leaves (PDF417: three
    // modules a row; DataBar: zint's default height).
    float fixed = 0.0F;
    int sharing = 0;
    for (int r = 0; r < m.rows; ++r) {
        fixed += symbol.row_height[r];
        sharing += symbol.row_height[r] <= 0.0F;
    }
    const float shared = sharing > 0 ? (symbol.height - fixed) / static_cast<float>(sharing) : 0.0F;
    for (int r = 0; r < m.rows; ++r) {
        const unsigned char* bits = symbol.encoded_data[r];
        for (int c = 0; c < m.columns; ++c)
            m.dark[static_cast<std::size_t>(r * m.columns + c)] = (bits[c >> 3] >> (c & 7)) & 1;
        const float height = symbol.row_height[r] > 0.0F ? symbol.row_height[r] : shared;
        m.rowModules[static_cast<std::size_t>(r)] =
            std::max(1, static_cast<int>(std::lround(height)));
    }
    return m;
}

} // namespace

MatrixEncoding EncodeMatrix(const MatrixSymbology& symbology, std::string_view text,
                            const SymbolOptions& options) {
    if (text.empty()) return {};
    const ZintInput input = symbology.gs1 ? Gs1Input(symbology, text) : TextInput(symbology, text);
    if (!input.error.empty()) return {{}, input.error};
    const ZintSymbol symbol(ZBarcode_Create());
    if (!symbol) return {{}, Compose(kNoMemory, {Name(symbology)})};
    symbol->symbology = symbology.zintSymbology;
    symbol->input_mode = input.inputMode;
    symbol->eci = input.eci;
    if (!symbology.eccChoices.empty()) symbol->option_1 = ZintEccValue(symbology, options.ecc);
    const int sizes = static_cast<int>(symbology.sizeChoices.size());
    const int size = options.size >= 1 && options.size <= sizes ? options.size : 0;
    if (size > 0) symbol->option_2 = size;
    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.data.data()),
                        static_cast<int>(input.data.size()));
    if (status >= ZINT_ERROR) return {{}, ZintError(symbology, *symbol, status, size)};
    return {MatrixOf(*symbol), {}};
}

} // namespace engine
