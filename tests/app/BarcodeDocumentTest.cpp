// The document model: picture sizes, setters and their redraws, out-of-range values, and the
// window-resize arithmetic, all without a window.

#include "app/BarcodeDocument.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using app::BarcodeDocument;
using engine::SymbologyCode;

constexpr SymbologyCode kCode128 = SymbologyCode::Code128;
constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

struct Design {
    SymbologyCode code;
    std::string text;
    int scale;
    engine::Unit unit;
    double height;
    std::uint8_t rotation;
};

void Apply(BarcodeDocument& doc, const Design& d) {
    doc.SetSuspended(true);
    doc.SetBarUnit(d.unit);
    doc.SetSymbology(d.code);
    doc.SetBarcodeText(d.text);
    doc.SetScale(d.scale);
    doc.SetBarHeight(d.height);
    doc.SetRotation(d.rotation);
    doc.SetSuspended(false);
    doc.Refresh();
}

bool AllWhite(const QImage& image) {
    QImage white(image.size(), QImage::Format_Grayscale8);
    white.fill(255);
    return image.convertToFormat(QImage::Format_Grayscale8) == white;
}

class BarcodeDocumentTest : public ::testing::Test {
  protected:
    app::PrinterMetrics metrics; // 96 dots per inch on the screen
    BarcodeDocument doc{metrics, engine::Unit::Inch, app::LabelSheet{}};
};

TEST_F(BarcodeDocumentTest, CreationCopiesTheUnitAndTheSheet) {
    const app::LabelSheet sheet{3.0, 5.0, 1.0, 0.5, 0.2, 0.1, kCm};
    const BarcodeDocument created(metrics, engine::Unit::Centimetre, sheet);
    // Until NewDocument fills them, the drawing values are zero.
    const app::DocumentRecord expected{kCm, 0.0,  0,    false, kCode128, 0,
                                       "",  true, 10.0, {},    sheet,    {}};
    EXPECT_EQ(created.Record(), expected);
    EXPECT_EQ(created.BarcodeFont().family(), "Courier New");
    EXPECT_EQ(created.BarcodeFont().pointSize(), 8);
    EXPECT_EQ(created.DocumentBitmap().format(), QImage::Format_Mono);
    EXPECT_FALSE(created.Suspended() || created.Redrawing());
}

struct SizeCase {
    const char* what;
    Design design;
    QSize expected; // width × height of the picture
};

TEST_F(BarcodeDocumentTest, PictureSizeFollowsHeightScaleUnitAndRotation) {
    const std::string a800(800, 'A');   // 11 × 802 + 13 + 20 = 8855 modules with quiet zones
    const std::string a1500(1500, 'A'); // 16555 modules
    const SizeCase cases[] = {
        {"empty text: 20 modules of quiet zone", {kCode128, "", 4, kIn, 0.75, 0}, {80, 288}},
        {"inches 0.75 at scale 3", {kCode128, "", 3, kIn, 0.75, 0}, {60, 216}},
        {"metric 2.0: Round(75.59) = 76", {kCode128, "", 1, kCm, 2.0, 0}, {20, 76}},
        {"metric 2.0 at scale 2", {kCode128, "", 2, kCm, 2.0, 0}, {40, 152}},
        {"90 degrees swaps", {kCode128, "", 3, kIn, 0.75, 1}, {216, 60}},
        {"270 degrees swaps", {kCode128, "", 3, kIn, 0.75, 3}, {216, 60}},
        {"half pixel to even: 73.5 -> 74", {kCode128, "", 2, kIn, 49.0 / 64, 0}, {40, 148}},
        {"half pixel to even: 76.5 -> 76", {kCode128, "", 1, kIn, 51.0 / 64, 0}, {20, 76}},
        {"scale 0 drawn at 1", {kCode128, "", 0, kIn, 0.75, 0}, {20, 72}},
        {"scale 11 drawn at 10", {kCode128, "", 11, kIn, 0.75, 0}, {200, 720}},
        {"rotation 7 drawn unturned", {kCode128, "", 2, kIn, 0.75, 7}, {40, 144}},
        {"symbology 26 with a text: no length",
         {SymbologyCode{26}, "ABC", 1, kIn, 0.75, 0},
         {1, 72}},
        {"negative height", {kCode128, "", 1, kIn, -2.0, 0}, {20, 1}},
        {"height not a number", {kCode128, "", 1, kIn, std::nan(""), 0}, {20, 1}},
        {"height 1e9 inches capped", {kCode128, "", 10, kIn, 1e9, 0}, {200, app::kMaxBitmapSide}},
        {"infinite height capped", {kCode128, "", 1, kCm, HUGE_VAL, 0}, {20, app::kMaxBitmapSide}},
        {"long text at full scale", {kCode128, a1500, 1, kIn, 0.75, 0}, {16555, 72}},
        {"too long at scale 10: module 3", {kCode128, a800, 10, kIn, 0.75, 0}, {3 * 8855, 720}},
        {"area cap limits the height", {kCode128, a1500, 1, kIn, 1e9, 0}, {16555, 4053}},
    };
    for (const auto& c : cases) {
        Apply(doc, c.design);
        EXPECT_EQ(doc.DocumentBitmap().size(), c.expected) << c.what;
        EXPECT_EQ(doc.DocumentBitmap().format(), QImage::Format_Mono) << c.what;
    }
}

TEST_F(BarcodeDocumentTest, ABarcodeTooLongForAnyModuleGivesAWhitePicture) {
    Apply(doc, {SymbologyCode::Code39, "12345", 2, kIn, 0.75, 0});
    EXPECT_FALSE(AllWhite(doc.DocumentBitmap()));
    Apply(doc, {kCode128, std::string(3000, 'A'), 10, kIn, 0.75, 0}); // 33055 modules
    EXPECT_EQ(doc.DocumentBitmap().size(), QSize(app::kMaxBitmapSide, 720));
    EXPECT_TRUE(AllWhite(doc.DocumentBitmap()));
    EXPECT_EQ(doc.BarcodeText().size(), 3000u); // the text itself is kept
}

struct FilterCase {
    const char* typed;
    const char* afterEan13;
};

TEST_F(BarcodeDocumentTest, SwitchingSymbologyKeepsOnlyWhatTheOtherKept) {
    const FilterCase cases[] = {
        {"AB12cd34", "1234"},
        {"97812345678901234", "978123456789"}, // cut to EAN 13's twelve digits
        {"no digits", ""},
    };
    for (const auto& c : cases) {
        doc.SetSymbology(SymbologyCode::Code128);
        doc.SetBarcodeText(c.typed);
        EXPECT_EQ(doc.BarcodeText(), c.typed);
        doc.SetSymbology(SymbologyCode::Ean13);
        EXPECT_EQ(doc.BarcodeText(), c.afterEan13) << c.typed;
        doc.SetSymbology(SymbologyCode::Code128);
        EXPECT_EQ(doc.BarcodeText(), c.afterEan13) << c.typed;
        EXPECT_EQ(doc.Hint(), QString(c.afterEan13));
    }
}

TEST_F(BarcodeDocumentTest, SuspendedSettersStoreWithoutRendering) {
    Apply(doc, {kCode128, "", 1, kIn, 0.75, 0});
    int rendered = 0;
    QObject::connect(&doc, &BarcodeDocument::rendered, [&] { ++rendered; });
    doc.SetSuspended(true);
    doc.SetScale(4);
    doc.SetBarHeight(2.0);
    doc.SetBarcodeText("HELLO");
    EXPECT_EQ(rendered, 0);
    EXPECT_EQ(doc.DocumentBitmap().size(), QSize(20, 72));
    EXPECT_EQ(doc.Hint(), "HELLO"); // the hint follows even while suspended
    doc.SetSuspended(false);
    doc.Refresh();
    EXPECT_EQ(rendered, 1);
    EXPECT_EQ(doc.DocumentBitmap().height(), 192 * 4);
}

struct ResizeCase {
    const char* what;
    QSize client;
    std::uint8_t rotation;
    int scale;
    engine::Unit unit;
    int dpi;
    std::optional<double> expected;
};

TEST(BarcodeDocumentResize, ClientSizeGivesTheBarHeight) {
    const ResizeCase cases[] = {
        {"151 pixels at scale 2", {300, 151}, 0, 2, kIn, 96, 151.0 / 192},
        {"90 degrees reads the width", {151, 300}, 1, 2, kIn, 96, 151.0 / 192},
        {"rotation 9 as 0 degrees", {151, 300}, 9, 1, kIn, 96, 300.0 / 96},
        {"centimetres", {10, 76}, 0, 1, kCm, 96, 76.0 / 96 * 2.54},
        {"scale above 10 as drawn", {10, 200}, 0, 25, kIn, 100, 0.2},
        {"scale 0: not yet filled", {10, 200}, 0, 0, kIn, 96, std::nullopt},
        {"no screen resolution", {10, 200}, 0, 1, kIn, 0, std::nullopt},
        {"invalid size", {-1, -1}, 0, 1, kIn, 96, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto height =
            app::BarHeightForClientSize(c.client, c.rotation, c.scale, c.unit, c.dpi);
        ASSERT_EQ(height.has_value(), c.expected.has_value()) << c.what;
        if (height) {
            EXPECT_DOUBLE_EQ(*height, *c.expected) << c.what;
        }
    }
}

TEST_F(BarcodeDocumentTest, DraggingTo151PixelsSettlesAt152) {
    Apply(doc, {kCode128, "", 2, kIn, 0.75, 0});
    EXPECT_TRUE(doc.ResizeClient({40, 151}));
    EXPECT_NEAR(doc.BarHeight(), 0.786458, 1e-6);
    EXPECT_EQ(doc.DocumentBitmap().size(), QSize(40, 152));
    // The window's own refit during the redraw is no resize by the user.
    std::optional<bool> takenWhileRedrawing;
    QObject::connect(&doc, &BarcodeDocument::rendered, [&] {
        takenWhileRedrawing = doc.ResizeClient({40, 400});
    });
    doc.SetBarHeight(1.0);
    EXPECT_EQ(takenWhileRedrawing, false);
    EXPECT_EQ(doc.BarHeight(), 1.0);
    EXPECT_FALSE(doc.Redrawing());
}

TEST_F(BarcodeDocumentTest, WidthInUnitsIsTheLengthAtOnePixelPerModule) {
    Apply(doc, {kCode128, "", 5, kIn, 0.75, 0});
    EXPECT_DOUBLE_EQ(doc.WidthInUnits(), 20.0 / 96);
    doc.SetBarUnit(kCm);
    EXPECT_DOUBLE_EQ(doc.WidthInUnits(), 20.0 / 96 * 2.54);
}

TEST_F(BarcodeDocumentTest, TheCaptionIsTheFileNamePart) {
    QString announced;
    QObject::connect(&doc, &BarcodeDocument::captionChanged, [&](QString t) { announced = t; });
    doc.SetFileName("/home/ann/labels/box.tlr");
    EXPECT_EQ(doc.FileName(), "/home/ann/labels/box.tlr");
    EXPECT_EQ(announced, "box.tlr");
    doc.SetFileName("barcode_1");
    EXPECT_EQ(doc.Caption(), "barcode_1");
}

} // namespace

namespace {

struct ChangeCase {
    const char* what;
    std::function<void(BarcodeDocument&)> change;
    bool modifies;
};

// Any change of a value the file keeps marks the document; the font and the name do not.
TEST_F(BarcodeDocumentTest, ChangesOfFiledValuesMarkTheDocumentModified) {
    const ChangeCase cases[] = {
        {"text", [](BarcodeDocument& d) { d.SetBarcodeText("X"); }, true},
        {"symbology", [](BarcodeDocument& d) { d.SetSymbology(SymbologyCode::Code39); }, true},
        {"height", [](BarcodeDocument& d) { d.SetBarHeight(1.25); }, true},
        {"scale", [](BarcodeDocument& d) { d.SetScale(3); }, true},
        {"readable text", [](BarcodeDocument& d) { d.SetInterpret(false); }, true},
        {"rotation", [](BarcodeDocument& d) { d.SetRotation(2); }, true},
        {"unit", [](BarcodeDocument& d) { d.SetBarUnit(kCm); }, true},
        {"sequence", [](BarcodeDocument& d) { d.SetSequence({.SeqCurrent = 7}); }, true},
        {"label sheet",
         [](BarcodeDocument& d) {
             app::LabelSheet sheet = d.Labels();
             sheet.GapWidth = 0.1;
             d.SetLabels(sheet);
         },
         true},
        {"bar width", [](BarcodeDocument& d) { d.SetBarWidth(12.0); }, true},
        {"the same text again", [](BarcodeDocument& d) { d.SetBarcodeText(""); }, false},
        {"a text the symbology refuses", [](BarcodeDocument& d) { d.SetBarcodeText("\xe9"); },
         false},
        {"font", [](BarcodeDocument& d) { d.SetBarcodeFont(QFont(QStringLiteral("Arial"), 8)); },
         false},
        {"name", [](BarcodeDocument& d) { d.SetFileName("elsewhere"); }, false},
    };
    for (const ChangeCase& c : cases) {
        BarcodeDocument document(metrics, engine::Unit::Inch, app::LabelSheet{});
        Apply(document, {kCode128, "", 1, kIn, 0.75, 0});
        document.SetInterpret(true);
        document.ClearModified();
        int told = 0;
        QObject::connect(&document, &BarcodeDocument::modifiedChanged, [&](bool) { ++told; });
        c.change(document);
        document.Refresh();
        EXPECT_EQ(document.Modified(), c.modifies) << c.what;
        EXPECT_EQ(told, c.modifies ? 1 : 0) << c.what; // the next Refresh tells, once
        document.ClearModified();
        EXPECT_FALSE(document.Modified()) << c.what;
    }
}

TEST_F(BarcodeDocumentTest, SavingAndOpeningClearTheModifiedMark) {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.tlr");
    Apply(doc, {kCode128, "SAVED", 2, kIn, 0.75, 0});
    ASSERT_TRUE(doc.Modified());
    std::vector<bool> told;
    QObject::connect(&doc, &BarcodeDocument::modifiedChanged, [&](bool m) { told.push_back(m); });
    doc.SaveToFile(path, '.');
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(told, std::vector<bool>{false});
    doc.SetBarcodeText("CHANGED");
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(doc.LoadFromFile(path, kIn, '.'));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.BarcodeText(), "SAVED");
}

} // namespace
