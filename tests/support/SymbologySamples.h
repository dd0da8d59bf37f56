#pragma once
// A text each symbology carries: the GS1 symbologies take bracketed GS1 data, the others a
// given sample as typing filters it.

#include "engine/Barcode.h"

#include <string>
#include <string_view>

inline std::string SampleFor(engine::SymbologyCode code, std::string_view sample) {
    using enum engine::SymbologyCode;
    if (code == DataBar) return "(01)09506000134352";
    if (code == Gs1DataMatrix || code == DataBarExpanded) return "(01)09506000134352(10)AB12";
    return engine::FilterBarcodeText(code, sample);
}
