// The scan check reads the designer's picture with zxing-cpp and compares the data with what
// the symbology means to carry, in the decoders' own forms.

#include "app/ScanCheck.h"
#include "support/Decode.h"

#include <gtest/gtest.h>

namespace {

using app::ScanOutcome;
using engine::Orientation;
using engine::SymbologyCode;
using testing_support::RenderBarcode;

struct ReadCase {
    SymbologyCode code;
    const char* text;
    const char* message; // the status bar's text for a good picture
};

// Check digits, GS1 application identifiers and Code 39's own check character as decoders
// report them (UPC A 036000291452 and EAN 13 4006381333931 are GS1's published examples).
const ReadCase kReadCases[] = {
    {SymbologyCode::Code128, "Tally 42", "Scans as: Tally 42"},
    {SymbologyCode::Code128, "A\tB", "Scans as: A\u2409B"},
    {SymbologyCode::Code39, "CODE-39", "Scans as: CODE-39"},
    {SymbologyCode::Code39Extended, "Ab1", "Scans as: Ab1"},
    {SymbologyCode::UpcA, "03600029145", "Scans as: 036000291452"},
    {SymbologyCode::Interleaved2of5, "12345", "Scans as: 012345"},
    {SymbologyCode::Code93, "Code93", "Scans as: Code93"},
    {SymbologyCode::Ean13, "400638133393", "Scans as: 4006381333931"},
    {SymbologyCode::Ean8, "9638507", "Scans as: 96385074"},
    {SymbologyCode::Ean128, "0112345678901231", "Scans as: 0112345678901231 (GS1)"},
    {SymbologyCode::UpcE, "123456", "Scans as: 01234565"},
    {SymbologyCode::Ssc14, "1234567890123", "Scans as: 0112345678901231 (GS1)"},
    {SymbologyCode::Ssc14Itf, "1234567890123", "Scans as: 12345678901231"},
    {SymbologyCode::Sscc18, "12345", "Scans as: 00000000000000123457 (GS1)"},
    {SymbologyCode::Code39Mod43, "CODE39", "Scans as: CODE39W"},
    {SymbologyCode::Code39Mod10, "HELLO", "Scans as: HELLO7"},
};

QImage Picture(SymbologyCode code, const char* text, Orientation o = Orientation::Deg0) {
    return RenderBarcode({code, text, 2, 100, true, o}, 0);
}

// The picture with its widest bar (the first run of the widest black columns) painted white.
QImage WithoutOneBar(QImage picture) {
    picture = picture.convertToFormat(QImage::Format_Grayscale8);
    const int row = picture.height() / 2;
    const uchar* line = picture.constScanLine(row);
    int bestStart = 0;
    int bestWidth = 0;
    for (int x = 0; x < picture.width();) {
        int end = x;
        while (end < picture.width() && line[end] < 128)
            ++end;
        if (end - x > bestWidth) bestStart = x, bestWidth = end - x;
        x = end + 1;
    }
    for (int y = 0; y < picture.height(); ++y)
        std::fill_n(picture.scanLine(y) + bestStart, bestWidth, 255);
    return picture;
}

TEST(ScanCheck, AGoodPictureScansAsMeantInEveryOrientation) {
    for (const ReadCase& c : kReadCases)
        for (Orientation o : engine::kAllOrientations) {
            const app::ScanVerdict verdict =
                app::CheckScan(Picture(c.code, c.text, o), c.code, c.text);
            EXPECT_EQ(verdict.outcome, ScanOutcome::Matches) << c.text << " at " << int(o);
            EXPECT_EQ(verdict.Message().toStdString(), c.message) << int(o);
        }
}

TEST(ScanCheck, APictureMissingABarIsReported) {
    for (const ReadCase& c : kReadCases) {
        const app::ScanVerdict verdict =
            app::CheckScan(WithoutOneBar(Picture(c.code, c.text)), c.code, c.text);
        EXPECT_TRUE(verdict.Failed()) << c.text << ": " << verdict.Message().toStdString();
    }
}

// A picture of one barcode checked against what another document means.
TEST(ScanCheck, OtherDataIsReportedWithWhatWasRead) {
    struct Row {
        SymbologyCode drawn;
        const char* drawnText;
        SymbologyCode meant;
        const char* meantText;
        ScanOutcome outcome;
        const char* message;
    } rows[] = {
        {SymbologyCode::Code128, "ABC", SymbologyCode::Code128, "ABD", ScanOutcome::Differs,
         "Scans as: ABC instead of ABD"},
        {SymbologyCode::Code128, "0112345678901231", SymbologyCode::Ean128, "0112345678901231",
         ScanOutcome::Differs, "Scans as: 0112345678901231 instead of 0112345678901231 (GS1)"},
        {SymbologyCode::Code39, "HELLO", SymbologyCode::Code39Mod10, "HELLO", ScanOutcome::Differs,
         "Scans as: HELLO instead of HELLO7"},
        {SymbologyCode::Code39, "HELLO", SymbologyCode::Code128, "HELLO", ScanOutcome::Unreadable,
         "Does not scan as HELLO"},
    };
    for (const Row& r : rows) {
        const app::ScanVerdict verdict =
            app::CheckScan(Picture(r.drawn, r.drawnText), r.meant, r.meantText);
        EXPECT_EQ(verdict.outcome, r.outcome) << r.message;
        EXPECT_EQ(verdict.Message().toStdString(), r.message);
    }
}

TEST(ScanCheck, NothingToCheckWithoutADecoderOrAText) {
    struct Row {
        SymbologyCode code;
        const char* text;
        ScanOutcome outcome;
        const char* message;
    } rows[] = {
        {SymbologyCode::Postnet, "12345", ScanOutcome::NotChecked, "\u2014"},
        {SymbologyCode::UpcExt2, "12", ScanOutcome::NotChecked, "\u2014"},
        {SymbologyCode::UpcExt5, "12345", ScanOutcome::NotChecked, "\u2014"},
        {SymbologyCode::Code128, "", ScanOutcome::Empty, ""},
    };
    for (const Row& r : rows) {
        const app::ScanVerdict verdict = app::CheckScan(Picture(r.code, r.text), r.code, r.text);
        EXPECT_EQ(verdict.outcome, r.outcome) << r.text;
        EXPECT_EQ(verdict.Message().toStdString(), r.message);
        EXPECT_FALSE(verdict.Failed());
    }
}

} // namespace
