#include "engine/MatrixSymbology.h"

#include <zint.h>

#include <algorithm>
#include <array>

namespace engine {
namespace {

using enum SymbologyCode;
using enum MatrixShape;

// zint's option_1 values (ISO/IEC 18004 levels; Aztec's share of error correction words;
// PDF417's security levels).
constexpr std::array<EccChoice, 4> kQrEcc{{{"L", 1}, {"M", 2}, {"Q", 3}, {"H", 4}}};
constexpr std::array<EccChoice, 3> kMicroQrEcc{{{"L", 1}, {"M", 2}, {"Q", 3}}};
constexpr std::array<EccChoice, 4> kAztecEcc{{{"10%", 1}, {"23%", 2}, {"36%", 3}, {"50%", 4}}};
constexpr std::array<EccChoice, 10> kPdf417Ecc{{{"Auto", -1},
                                                {"0", 0},
                                                {"1", 1},
                                                {"2", 2},
                                                {"3", 3},
                                                {"4", 4},
                                                {"5", 5},
                                                {"6", 6},
                                                {"7", 7},
                                                {"8", 8}}};

// zint's option_2 values from 1, in its order.
constexpr std::array<std::string_view, 40> kQrVersions{
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28",
    "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40"};
constexpr std::array<std::string_view, 4> kMicroQrVersions{"M1", "M2", "M3", "M4"};
constexpr std::array<std::string_view, 30> kDataMatrixSizes{
    "10x10", "12x12", "14x14", "16x16", "18x18",   "20x20",   "22x22",   "24x24",
    "26x26", "32x32", "36x36", "40x40", "44x44",   "48x48",   "52x52",   "64x64",
    "72x72", "80x80", "88x88", "96x96", "104x104", "120x120", "132x132", "144x144",
    "8x18",  "8x32",  "12x26", "12x36", "16x36",   "16x48"};
constexpr std::array<std::string_view, 36> kAztecSizes{
    "15x15 compact", "19x19 compact", "23x23 compact", "27x27 compact", "19x19",   "23x23",
    "27x27",         "31x31",         "37x37",         "41x41",         "45x45",   "49x49",
    "53x53",         "57x57",         "61x61",         "67x67",         "71x71",   "75x75",
    "79x79",         "83x83",         "87x87",         "91x91",         "95x95",   "101x101",
    "105x105",       "109x109",       "113x113",       "117x117",       "121x121", "125x125",
    "131x131",       "135x135",       "139x139",       "143x143",       "147x147", "151x151"};
constexpr std::array<std::string_view, 30> kPdf417Columns{
    "1 column",   "2 columns",  "3 columns",  "4 columns",  "5 columns",  "6 columns",
    "7 columns",  "8 columns",  "9 columns",  "10 columns", "11 columns", "12 columns",
    "13 columns", "14 columns", "15 columns", "16 columns", "17 columns", "18 columns",
    "19 columns", "20 columns", "21 columns", "22 columns", "23 columns", "24 columns",
    "25 columns", "26 columns", "27 columns", "28 columns", "29 columns", "30 columns"};

const std::array<MatrixSymbology, 8> kMatrixSymbologies{{
    {QrCode, BARCODE_QRCODE, false, true, 4, Square, "7089 digits, 4296 letters or 2953 bytes",
     kQrEcc, "M", kQrVersions},
    {MicroQrCode, BARCODE_MICROQR, false, false, 2, Square, "35 digits, 21 letters or 15 bytes",
     kMicroQrEcc, "L", kMicroQrVersions},
    {DataMatrix,
     BARCODE_DATAMATRIX,
     false,
     true,
     1,
     Square,
     "3116 digits or 1556 bytes",
     {},
     {},
     kDataMatrixSizes},
    {Gs1DataMatrix,
     BARCODE_DATAMATRIX,
     true,
     false,
     1,
     Square,
     "2335 characters of GS1 data",
     {},
     {},
     kDataMatrixSizes},
    {Pdf417, BARCODE_PDF417, false, true, 2, Stacked, "2710 digits, 1850 letters or 1108 bytes",
     kPdf417Ecc, "Auto", kPdf417Columns},
    {Aztec, BARCODE_AZTEC, false, true, 0, Square, "3832 digits, 3067 letters or 1914 bytes",
     kAztecEcc, "23%", kAztecSizes},
    {DataBar,
     BARCODE_DBAR_OMN,
     true,
     false,
     1,
     Stacked,
     "one GTIN, (01) and 14 digits",
     {},
     {},
     {}},
    {DataBarExpanded,
     BARCODE_DBAR_EXP,
     true,
     false,
     1,
     Stacked,
     "74 digits or 41 letters of GS1 data",
     {},
     {},
     {}},
}};

} // namespace

const MatrixSymbology* FindMatrixSymbology(SymbologyCode code) {
    const auto row = std::ranges::find(kMatrixSymbologies, code, &MatrixSymbology::code);
    return row == kMatrixSymbologies.end() ? nullptr : &*row;
}

int ZintEccValue(const MatrixSymbology& symbology, std::string_view label) {
    const auto& choices = symbology.eccChoices;
    auto choice = std::ranges::find(choices, label, &EccChoice::label);
    if (choice == choices.end())
        choice = std::ranges::find(choices, symbology.usualEcc, &EccChoice::label);
    return choice == choices.end() ? -1 : choice->zintValue;
}

} // namespace engine
