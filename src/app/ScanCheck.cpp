#include "app/ScanCheck.h"

#include "app/EngineTexts.h"
#include "app/SymbolReader.h"
#include "engine/Barcode.h"
#include "engine/CheckDigits.h"
#include "engine/Gs1.h"
#include "engine/HumanReadable.h"
#include "engine/Interleaved2of5.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <array>

namespace app {
namespace {

using engine::SymbologyCode;
using ZXing::BarcodeFormat;

// A white frame around the picture: the quiet zone a decoder looks for beyond the symbol's own.
constexpr int kMarginPixels = 16;

std::string Same(std::string_view t) {
    return std::string(t);
}
std::string UpcAData(std::string_view t) {
    return engine::WithMod10Check(t, 11);
}
std::string Ean13Data(std::string_view t) {
    return engine::WithMod10Check(t, 12);
}
std::string Ean8Data(std::string_view t) {
    return engine::WithMod10Check(t, 7);
}
// UPC-E reads as number system 0, the six digits and the check digit of the expanded number.
std::string UpcEData(std::string_view t) {
    const std::string d = engine::PadLeft(std::string(t), 6, '0');
    return "0" + d + engine::Mod10CheckDigit(engine::ExpandUpcE(d));
}
std::string Ssc14Data(std::string_view t) {
    return "01" + engine::WithMod10Check(t, 13);
}
std::string Ssc14ItfData(std::string_view t) {
    return engine::WithMod10Check(t, 13);
}
std::string Sscc18Data(std::string_view t) {
    return "00" + engine::WithMod10Check(t, 17);
}
std::string Code39Mod43Data(std::string_view t) {
    return Same(t) + engine::Code39CheckChar(t, 43);
}
std::string Code39Mod10Data(std::string_view t) {
    return Same(t) + engine::Code39CheckChar(t, 10);
}

// Bracketed GS1 data reads as its element string, GS after each field of no predefined length.
std::string Ean128Data(std::string_view t) {
    if (!engine::IsBracketedGs1(t)) return Same(t);
    const engine::Gs1Parse parsed = engine::ParseGs1(t);
    return parsed.Ok() ? engine::Gs1ElementString(parsed.fields, '\x1d') : Same(t);
}
// GS1 data in its one bracketed form.
std::string Gs1Data(std::string_view t) {
    const engine::Gs1Parse parsed = engine::ParseGs1(t);
    return parsed.Ok() ? engine::Gs1Bracketed(parsed.fields) : Same(t);
}

using enum ScanForm;

struct ScanRule {
    SymbologyCode code;
    BarcodeFormat format;
    std::string (*data)(std::string_view text);
    bool gs1;
    bool fullAscii;
    ScanForm form = Bytes;
};

// POSTNET and the lone UPC add-ons have no row: no decoder reads them.
constexpr std::array<ScanRule, 23> kRules{{
    {SymbologyCode::Code128, BarcodeFormat::Code128, Same, false, false},
    {SymbologyCode::Code39, BarcodeFormat::Code39, Same, false, false},
    {SymbologyCode::Code39Extended, BarcodeFormat::Code39, Same, false, true},
    {SymbologyCode::UpcA, BarcodeFormat::UPCA, UpcAData, false, false},
    {SymbologyCode::Interleaved2of5, BarcodeFormat::ITF, engine::Interleaved2of5Digits, false,
     false},
    {SymbologyCode::Code93, BarcodeFormat::Code93, Same, false, false},
    {SymbologyCode::Ean13, BarcodeFormat::EAN13, Ean13Data, false, false},
    {SymbologyCode::Ean8, BarcodeFormat::EAN8, Ean8Data, false, false},
    {SymbologyCode::Ean128, BarcodeFormat::Code128, Ean128Data, true, false},
    {SymbologyCode::UpcE, BarcodeFormat::UPCE, UpcEData, false, false},
    {SymbologyCode::Ssc14, BarcodeFormat::Code128, Ssc14Data, true, false},
    {SymbologyCode::Ssc14Itf, BarcodeFormat::ITF, Ssc14ItfData, false, false},
    {SymbologyCode::Sscc18, BarcodeFormat::Code128, Sscc18Data, true, false},
    {SymbologyCode::Code39Mod43, BarcodeFormat::Code39, Code39Mod43Data, false, false},
    {SymbologyCode::Code39Mod10, BarcodeFormat::Code39, Code39Mod10Data, false, false},
    {SymbologyCode::QrCode, BarcodeFormat::QRCode, Same, false, false, Utf8},
    {SymbologyCode::MicroQrCode, BarcodeFormat::MicroQRCode, Same, false, false, Utf8},
    {SymbologyCode::DataMatrix, BarcodeFormat::DataMatrix, Same, false, false, Utf8},
    {SymbologyCode::Gs1DataMatrix, BarcodeFormat::DataMatrix, Gs1Data, true, false, Gs1Bracketed},
    {SymbologyCode::Pdf417, BarcodeFormat::PDF417, Same, false, false, Utf8},
    {SymbologyCode::Aztec, BarcodeFormat::Aztec, Same, false, false, Utf8},
    {SymbologyCode::DataBar, BarcodeFormat::DataBar, Gs1Data, true, false, DataBarGtin},
    {SymbologyCode::DataBarExpanded, BarcodeFormat::DataBarExpanded, Gs1Data, true, false,
     Gs1Bracketed},
}};

// The data read in the form the symbology's data is compared in.
std::string ReadForm(const DecodedSymbol& read, ScanForm form) {
    switch (form) {
    case Bytes:
        return read.text;
    case Utf8:
        return read.utf8;
    case Gs1Bracketed:
        // Some decoders return the brackets themselves.
        if (engine::IsBracketedGs1(read.text)) return read.text;
        return engine::Gs1FromElementString(read.text).value_or(read.text);
    case DataBarGtin:
        return "(01)" + read.text;
    }
    return read.text;
}

QImage Framed(const QImage& picture) {
    QImage framed(picture.width() + 2 * kMarginPixels, picture.height() + 2 * kMarginPixels,
                  QImage::Format_Grayscale8);
    framed.fill(255);
    QPainter painter(&framed);
    painter.drawImage(kMarginPixels, kMarginPixels, picture);
    return framed;
}

// The symbology identifiers of GS1 data: Code 128, Data Matrix, DataBar, QR Code.
constexpr std::array<std::string_view, 4> kGs1Identifiers{"]C1", "]d2", "]e0", "]Q3"};

// Code 128 and the GS1 symbols tell GS1 data from plain data.
bool SameData(const ScanExpectation& meant, const std::string& read, bool readGs1) {
    const bool marksGs1 = meant.format == BarcodeFormat::Code128 || meant.form == Gs1Bracketed ||
                          meant.form == DataBarGtin;
    return read == meant.data && (!marksGs1 || readGs1 == meant.gs1);
}

QString WithGs1(std::string_view data, bool gs1, bool utf8) {
    const QString shown =
        utf8 ? PrintableText(QString::fromUtf8(data.data(), static_cast<qsizetype>(data.size())))
             : PrintableData(data);
    return shown + (gs1 ? QStringLiteral(" (GS1)") : QString());
}

} // namespace

ScanExpectation ExpectedScan(SymbologyCode code, std::string_view text) {
    const auto rule = std::find_if(kRules.begin(), kRules.end(),
                                   [code](const ScanRule& r) { return r.code == code; });
    if (rule == kRules.end()) return {};
    return {true, rule->format, rule->data(text), rule->gs1, rule->fullAscii, rule->form};
}

ScanVerdict CheckScan(const QImage& picture, SymbologyCode code, std::string_view text,
                      const engine::SymbolOptions& options) {
    ScanVerdict verdict;
    if (text.empty()) return verdict;
    verdict.problem = engine::BarcodeProblem(code, text, options);
    if (!verdict.problem.empty()) {
        verdict.outcome = ScanOutcome::NotEncoded;
        return verdict;
    }
    const ScanExpectation meant = ExpectedScan(code, text);
    verdict.expected = meant.data;
    verdict.expectedGs1 = meant.gs1;
    verdict.utf8 = meant.form == ScanForm::Utf8;
    if (!meant.checked) {
        verdict.outcome = ScanOutcome::NotChecked;
        return verdict;
    }
    const DecodedSymbol read = ReadSymbol(
        Framed(picture), ScannerHints(meant.format).setTryCode39ExtendedMode(meant.fullAscii));
    verdict.decoded = ReadForm(read, meant.form);
    verdict.decodedGs1 =
        std::ranges::find(kGs1Identifiers, read.symbologyIdentifier) != kGs1Identifiers.end();
    verdict.outcome = !read.found ? ScanOutcome::Unreadable
                      : SameData(meant, verdict.decoded, verdict.decodedGs1) ? ScanOutcome::Matches
                                                                             : ScanOutcome::Differs;
    return verdict;
}

QString ScanVerdict::Message() const {
    switch (outcome) {
    case ScanOutcome::Empty:
        return {};
    case ScanOutcome::NotChecked:
        return QStringLiteral("\u2014");
    case ScanOutcome::Matches:
        return QCoreApplication::translate("ScanCheck", "Scans as: %1")
            .arg(WithGs1(decoded, decodedGs1, utf8));
    case ScanOutcome::Differs:
        return QCoreApplication::translate("ScanCheck", "Scans as: %1 instead of %2")
            .arg(WithGs1(decoded, decodedGs1, utf8), WithGs1(expected, expectedGs1, utf8));
    case ScanOutcome::Unreadable:
        return QCoreApplication::translate("ScanCheck", "Does not scan as %1")
            .arg(WithGs1(expected, expectedGs1, utf8));
    case ScanOutcome::NotEncoded:
        return InUsersLanguage(problem);
    }
    return {};
}

QString PrintableText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        out += c < 0x20 ? QChar(0x2400 + c) : c == 0x7f ? QChar(0x2421) : ch;
    }
    return out;
}

QString PrintableData(std::string_view data) {
    return PrintableText(QString::fromLatin1(data.data(), static_cast<qsizetype>(data.size())));
}

} // namespace app
