// MetafileSurface and its EMF writer: the header worked out by hand, records that a reader can
// walk, the engine's fonts and texts in their records, and the third-party readers (libemf2svg,
// libwmf, librsvg, zxing-cpp) as oracles for what the pictures show.

#include "platform/MetafileTestSupport.h"

#include "platform/BarcodeBitmap.h"
#include "platform/PainterSurface.h"
#include "support/Decode.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <map>

namespace {

using namespace metafile_test;
using engine::Orientation;
using engine::SymbologyCode;

// EMR_HEADER fields, from the start of the file.
enum EmfHeaderOffset : qsizetype {
    kType = 0,
    kSize = 4,
    kBounds = 8,
    kFrame = 24,
    kSignature = 40,
    kVersion = 44,
    kBytes = 48,
    kRecords = 52,
    kHandles = 56,
    kDescriptionChars = 60,
    kDescriptionOffset = 64,
    kPaletteEntries = 68,
    kDevice = 72,
    kMillimetres = 80,
    kMicrometres = 100,
};

// Record types, as MS-EMF numbers them.
enum EmfType : std::uint32_t {
    kHeader = 1,
    kEof = 14,
    kSetBkMode = 18,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kSelectObject = 37,
    kDeleteObject = 40,
    kExtCreateFontIndirectW = 82,
    kExtTextOutW = 84,
};

struct Record {
    qsizetype offset;
    std::uint32_t type;
    std::uint32_t size;
};

std::vector<Record> WalkEmf(const QByteArray& emf) {
    std::vector<Record> records;
    for (qsizetype at = 0; at + 8 <= emf.size();) {
        records.push_back({at, U32(emf, at), U32(emf, at + 4)});
        if (records.back().size < 8) break;
        at += records.back().size;
    }
    return records;
}

std::vector<Record> OfType(const QByteArray& emf, std::uint32_t type) {
    std::vector<Record> all = WalkEmf(emf), found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [type](const Record& r) { return r.type == type; });
    return found;
}

std::u16string Utf16(const QByteArray& bytes, qsizetype offset, int chars) {
    std::u16string text;
    for (int i = 0; i < chars && U16(bytes, offset + 2 * i) != 0; ++i)
        text += static_cast<char16_t>(U16(bytes, offset + 2 * i));
    return text;
}

TEST(MetafileSurfaceEmf, HeaderWorkedOutByHand) {
    platform::MetafileSurface surface({300, 100}, 300, "Arial", kLaptopScreen);
    surface.FillRect(0, 0, 300, 100, engine::Fill::White);
    surface.FillRect(20, 0, 22, 70, engine::Fill::Black);
    const QByteArray emf = surface.ToEmf();
    EXPECT_EQ(U32(emf, kType), 1u);
    EXPECT_EQ(U32(emf, kSize), 108u);
    // Bounds are inclusive pixels; the frame is 300 × 34400 ÷ 1366 = 7554.90 and
    // 100 × 19400 ÷ 768 = 2526.04 hundredths of a millimetre.
    const std::int32_t expected[] = {0, 0, 299, 99, 0, 0, 7555, 2526};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(I32(emf, kBounds + 4 * i), expected[i]) << "field " << i;
    EXPECT_EQ(U32(emf, kSignature), 0x464D4520u); // " EMF"
    EXPECT_EQ(U32(emf, kVersion), 0x00010000u);
    EXPECT_EQ(U32(emf, kBytes), static_cast<std::uint32_t>(emf.size()));
    EXPECT_EQ(U32(emf, kRecords), WalkEmf(emf).size());
    EXPECT_EQ(U16(emf, kHandles), 2u); // the metafile itself and the one font
    for (qsizetype none : {kDescriptionChars, kDescriptionOffset, kPaletteEntries})
        EXPECT_EQ(U32(emf, none), 0u);
    const std::int32_t device[] = {1366, 768, 344, 194};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(I32(emf, kDevice + 4 * i), device[i]);
    EXPECT_EQ(U32(emf, kMicrometres), 344000u);
    EXPECT_EQ(U32(emf, kMicrometres + 4), 194000u);
}

TEST(MetafileSurfaceEmf, NothingDrawnHasEmptyBounds) {
    const QByteArray emf = platform::MetafileSurface({0, 0}, 300, "Arial", kLaptopScreen).ToEmf();
    const std::int32_t expected[] = {0, 0, -1, -1, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(I32(emf, kBounds + 4 * i), expected[i]) << "field " << i;
    EXPECT_EQ(WalkEmf(emf).back().type, kEof);
}

// Every record is a whole number of 32-bit words, the sizes add up to the file, the header
// counts them, and every object created is deleted with an index below the handle count.
TEST(MetafileSurfaceEmf, RecordsAreAlignedCountedAndBalanced) {
    for (SymbologyCode code : {SymbologyCode::Code128, SymbologyCode::UpcA})
        for (Orientation o : engine::kAllOrientations) {
            const QByteArray emf = RecordBarcode({code, "01234567890", 2, 120, true, o})->ToEmf();
            const std::vector<Record> records = WalkEmf(emf);
            qsizetype total = 0;
            std::map<std::uint32_t, int> live;
            for (const Record& r : records) {
                ASSERT_EQ(r.size % 4, 0u) << "type " << r.type;
                total += r.size;
                const std::uint32_t index = U32(emf, r.offset + 8);
                if (r.type == kExtCreateFontIndirectW) ++live[index];
                if (r.type == kDeleteObject) --live[index];
                const bool stock = index >= 0x80000000u;
                if (r.type == kSelectObject && !stock) {
                    EXPECT_EQ(live[index], 1);
                }
                if (r.type == kSelectObject || r.type == kDeleteObject) {
                    EXPECT_TRUE(stock || index < U16(emf, kHandles));
                }
            }
            EXPECT_EQ(total, emf.size());
            EXPECT_EQ(U32(emf, kRecords), records.size());
            EXPECT_EQ(records.front().type, kHeader);
            ASSERT_EQ(records.back().type, kEof);
            EXPECT_EQ(records.back().size, 20u);
            EXPECT_EQ(U32(emf, records.back().offset + 16), 20u); // the size, repeated last
            for (const auto& [index, count] : live)
                EXPECT_EQ(count, 0) << "object " << index;
        }
}

// The engine's font (cell 12 · module, turned with the barcode) and its text at the placement
// reference point, worked out from the raster surface's own measurements.
TEST(MetafileSurfaceEmf, FontAndTextCarryTheEnginesValues) {
    const QFont font = platform::FontForCellHeight("Courier New", 24, 400);
    const QFontMetrics metrics(font);
    const int cx = metrics.horizontalAdvance("Tally 123");
    const int cy = metrics.ascent() + metrics.descent();
    const struct {
        Orientation o;
        int escapement;
    } rows[] = {
        {Orientation::Deg0, 0},
        {Orientation::Deg90, 2700},
        {Orientation::Deg180, 1800},
        {Orientation::Deg270, 900},
    };
    for (const auto& row : rows) {
        const BarcodeCase c{SymbologyCode::Code128, "Tally 123", 2, 120, true, row.o};
        const QSize size = PictureSize(c);
        const int w = size.width(), h = size.height();
        // The placement table's "centred, below" row, with Mid half the length along the bars.
        const std::map<Orientation, std::pair<int, int>> reference = {
            {Orientation::Deg0, {w / 2 - cx / 2, h - cy}},
            {Orientation::Deg90, {cy, h / 2 - cx / 2}},
            {Orientation::Deg180, {w / 2 + cx / 2, cy}},
            {Orientation::Deg270, {w - cy, h / 2 + cx / 2}},
        };
        const QByteArray emf = RecordBarcode(c)->ToEmf();
        const std::vector<Record> fonts = OfType(emf, kExtCreateFontIndirectW);
        ASSERT_EQ(fonts.size(), 2u); // the surface's own, then the engine's
        const qsizetype logfont = fonts[1].offset + 12;
        const std::int32_t expected[] = {24, 0, row.escapement, row.escapement, 400};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(I32(emf, logfont + 4 * i), expected[i]) << "field " << i;
        EXPECT_EQ(Utf16(emf, logfont + 28, 32), u"Courier New");
        const std::vector<Record> texts = OfType(emf, kExtTextOutW);
        ASSERT_EQ(texts.size(), 1u);
        const qsizetype t = texts[0].offset;
        EXPECT_EQ(std::make_pair(I32(emf, t + 36), I32(emf, t + 40)), reference.at(row.o));
        ASSERT_EQ(U32(emf, t + 44), 9u);
        EXPECT_EQ(Utf16(emf, t + U32(emf, t + 48), 9), u"Tally 123");
        int advances = 0;
        for (int i = 0; i < 9; ++i)
            advances += I32(emf, t + U32(emf, t + 72) + 4 * i);
        EXPECT_EQ(advances, cx);
    }
}

TEST(MetafileSurfaceEmf, OpaqueWhiteCellsAndBlackTextAtTheTopLeft) {
    const QByteArray emf = RecordBarcode({})->ToEmf();
    const std::pair<EmfType, std::uint32_t> states[] = {
        {kSetBkMode, 2}, {kSetBkColor, 0xFFFFFF}, {kSetTextColor, 0}, {kSetTextAlign, 0}};
    const qsizetype text = OfType(emf, kExtTextOutW).at(0).offset;
    for (const auto& [type, value] : states) {
        const std::vector<Record> found = OfType(emf, type);
        ASSERT_EQ(found.size(), 1u) << type;
        EXPECT_EQ(U32(emf, found[0].offset + 8), value) << type;
        EXPECT_LT(found[0].offset, text) << type;
    }
}

TEST(MetafileSurface, MeasuresAndNamesFontsAsTheRasterSurface) {
    QImage image(10, 10, QImage::Format_Grayscale8);
    QPainter painter(&image);
    platform::PainterSurface raster(painter, "Arial");
    platform::MetafileSurface metafile({10, 10}, 300, "Arial", kLaptopScreen);
    EXPECT_EQ(metafile.FontFace(), "Arial");
    for (const engine::FontSpec& font : {engine::FontSpec{"Courier New", 14, 400, 0},
                                         {"Courier New", 120, 400, 900},
                                         {"Arial", 33, 800, 1800}}) {
        raster.PushFont(font);
        metafile.PushFont(font);
        for (const char* text : {"0", "Tally 2026", "(00) 0 0000000 000012345 3"}) {
            const engine::TextExtent a = raster.MeasureText(text), b = metafile.MeasureText(text);
            EXPECT_EQ(a.width, b.width) << font.face << " " << font.cellHeight << " " << text;
            EXPECT_EQ(a.height, b.height) << font.face << " " << font.cellHeight << " " << text;
        }
        EXPECT_EQ(metafile.FontFace(), font.face);
        raster.PopFont();
        metafile.PopFont();
    }
    EXPECT_EQ(metafile.FontFace(), "Arial");
}

// Surfaces of a batch share one font cache: each records the bytes a surface of its own would,
// and its text's advances are the steps of QFontMetrics' widths of the growing prefixes.
TEST(MetafileSurface, ABatchsFontCacheRecordsTheSameBytes) {
    platform::FontCache fonts;
    for (const char* face : {"Courier New", "Arial", "DejaVu Sans"})
        for (const std::string text : {"Tally 2026", "AVAW To ffi", "TALLYRUNE-0000000001"}) {
            const QSize size(800, 200);
            platform::MetafileSurface own(size, 300, face, kLaptopScreen);
            platform::MetafileSurface shared(size, 300, face, fonts, kLaptopScreen);
            for (platform::MetafileSurface* surface : {&own, &shared})
                engine::DrawBarcode(*surface, SymbologyCode::Code128, 0, 0, 2, 120, text, true,
                                    Orientation::Deg0, false);
            const QByteArray emf = shared.ToEmf();
            EXPECT_EQ(emf, own.ToEmf()) << face << " " << text;
            EXPECT_EQ(shared.ToPlaceableWmf(), own.ToPlaceableWmf()) << face << " " << text;
            const std::vector<Record> texts = OfType(emf, kExtTextOutW);
            ASSERT_EQ(texts.size(), 1u);
            const qsizetype advances = texts[0].offset + U32(emf, texts[0].offset + 72);
            const QFontMetrics metrics(platform::FontForCellHeight(face, 24, 400));
            const QString string = QString::fromStdString(text);
            for (qsizetype i = 0, previous = 0; i < string.size(); ++i) {
                const int width = metrics.horizontalAdvance(string.left(i + 1));
                EXPECT_EQ(I32(emf, advances + 4 * i), width - previous) << face << " " << i;
                previous = width;
            }
        }
}

TEST(MetafileSurface, ReferenceScreenIsThePrimaryScreen) {
    const platform::ReferenceScreen screen = platform::CurrentReferenceScreen();
    const QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(screen.widthPixels, primary->geometry().width());
    EXPECT_EQ(screen.heightPixels, primary->geometry().height());
    EXPECT_GT(screen.widthMillimetres, 0);
    EXPECT_GT(screen.heightMillimetres, 0);
}

// emf2svg draws the filled paths at scale 1 without an outline, and rsvg-convert then fills
// whole pixels without grey edges: the picture is the raster writer's, pixel for pixel.
TEST(MetafileSurface, EmfFillsTheRasterWritersPixels) {
    for (Orientation o : engine::kAllOrientations) {
        const BarcodeCase c{SymbologyCode::Code128, "Tally 42", 2, 40, false, o};
        platform::BarcodeDrawing d;
        d.text = c.text, d.module = c.module, d.height = c.height, d.showText = false;
        d.orientation = o;
        const QImage raster = platform::RenderBarcodeBitmap(d);
        const QImage drawn = RenderEmf(RecordBarcode(c)->ToEmf(), raster.size())
                                 .convertToFormat(QImage::Format_Grayscale8);
        ASSERT_EQ(drawn.size(), raster.size()) << int(o);
        int different = 0, grey = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const int v = qGray(drawn.pixel(x, y));
                grey += v != 0 && v != 255;
                different += (v < 128) != (raster.pixelIndex(x, y) == 0);
            }
        EXPECT_EQ(grey, 0) << int(o);
        EXPECT_EQ(different, 0) << int(o);
    }
}

// Overlapping fills of one colour share a path, and the winding fill keeps their overlap.
TEST(MetafileSurface, OverlappingFillsJoin) {
    platform::MetafileSurface surface({40, 20}, 300, "Arial", kLaptopScreen);
    surface.FillRect(0, 0, 40, 20, engine::Fill::White);
    surface.FillRect(5, 5, 25, 15, engine::Fill::Black);
    surface.FillRect(15, 5, 35, 15, engine::Fill::Black);
    const QImage emf = RenderEmf(surface.ToEmf(), {40, 20});
    ASSERT_EQ(emf.size(), QSize(40, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(qGray(emf.pixel(x, y)) < 128, x >= 5 && x < 35 && y >= 5 && y < 15)
                << x << "," << y;
    const QImage wmf = RenderWmf(surface.ToPlaceableWmf());
    ASSERT_FALSE(wmf.isNull());
    EXPECT_LT(qGray(wmf.pixel(wmf.width() / 2, wmf.height() / 2)), 128);
    EXPECT_GT(qGray(wmf.pixel(wmf.width() / 20, wmf.height() / 2)), 128);
}

struct DecodeCase {
    SymbologyCode code;
    const char* text;
    ZXing::BarcodeFormat format;
    const char* expected;
};

const DecodeCase kDecodeCases[] = {
    {SymbologyCode::Code128, "Tally-2026", ZXing::BarcodeFormat::Code128, "Tally-2026"},
    {SymbologyCode::Code39, "TALLY 39", ZXing::BarcodeFormat::Code39, "TALLY 39"},
    {SymbologyCode::Ean13, "590123412345", ZXing::BarcodeFormat::EAN13, "5901234123457"},
    {SymbologyCode::Interleaved2of5, "1234567", ZXing::BarcodeFormat::ITF, "01234567"},
};

TEST(MetafileSurface, ThirdPartyReadersShowDecodableBarcodes) {
    for (const DecodeCase& d : kDecodeCases)
        for (Orientation o : engine::kAllOrientations) {
            const BarcodeCase c{d.code, d.text, 2, 120, true, o};
            const auto surface = RecordBarcode(c);
            const std::pair<const char*, QImage> rendered[] = {
                {"emf", RenderEmf(surface->ToEmf(), PictureSize(c))},
                {"wmf", RenderWmf(surface->ToPlaceableWmf())}};
            for (const auto& [format, image] : rendered) {
                ASSERT_FALSE(image.isNull()) << d.text << " " << int(o) << " " << format;
                const auto decoded = testing_support::DecodeImage(image, d.format);
                EXPECT_TRUE(decoded.found) << d.text << " " << int(o) << " " << format;
                EXPECT_EQ(decoded.text, d.expected) << int(o) << " " << format;
            }
        }
}

// Recording and writing both files of a 20-character Code 128 stays far below a frame's time.
TEST(MetafileSurface, TwentyCharacterCode128IsQuick) {
    const BarcodeCase c{SymbologyCode::Code128, "TALLYRUNE-2026-00042", 3, 225, true,
                        Orientation::Deg0};
    constexpr int rounds = 200;
    const auto perRound = [](const QElapsedTimer& timer) {
        return timer.nsecsElapsed() / 1000.0 / rounds;
    };
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        const auto surface = RecordBarcode(c);
        EXPECT_FALSE(surface->ToEmf().isEmpty());
        EXPECT_FALSE(surface->ToPlaceableWmf().isEmpty());
    }
    const double whole = perRound(timer);
    const auto surface = RecordBarcode(c);
    timer.restart();
    qsizetype emfBytes = 0, wmfBytes = 0;
    for (int i = 0; i < rounds; ++i) {
        emfBytes = surface->ToEmf().size();
        wmfBytes = surface->ToPlaceableWmf().size();
    }
    const double writing = perRound(timer);
    std::cout << "20-character Code 128 at 300 dpi: EMF " << emfBytes << " bytes, WMF " << wmfBytes
              << " bytes; " << whole << " us to record and write both, " << writing
              << " us of it writing\n";
    EXPECT_LT(whole, 5000.0);
}

} // namespace
