// The placeable Windows metafile: the 22-byte header and its checksum worked out by hand, units
// per inch for every resolution, the metafile header's counts, and records a reader can walk.

#include "platform/MetafileTestSupport.h"

#include "platform/Errors.h"

#include <algorithm>
#include <map>

namespace {

using namespace metafile_test;
using engine::Orientation;
using engine::SymbologyCode;

// Placeable header fields, from the start of the file.
enum PlaceableOffset : qsizetype {
    kKey = 0,
    kHandle = 4,
    kLeft = 6,
    kTop = 8,
    kRight = 10,
    kBottom = 12,
    kInch = 14,
    kReserved = 16,
    kChecksum = 20,
    kPlaceableEnd = 22,
};

// META_HEADER fields, from the end of the placeable header.
enum MetaHeaderOffset : qsizetype {
    kMetaType = 0,
    kHeaderWords = 2,
    kMetaVersion = 4,
    kMetaWords = 6,
    kObjects = 10,
    kMaxRecord = 12,
    kParameters = 16,
    kMetaHeaderEnd = 18,
};

enum WmfFunction : std::uint16_t {
    kEof = 0x0000,
    kSetMapMode = 0x0103,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kCreateBrush = 0x02FC,
    kExtTextOut = 0x0A32,
};

struct Record {
    qsizetype offset;
    std::uint32_t words;
    std::uint16_t function;
};

std::vector<Record> WalkWmf(const QByteArray& wmf) {
    std::vector<Record> records;
    for (qsizetype at = qsizetype{kPlaceableEnd} + kMetaHeaderEnd; at + 6 <= wmf.size();) {
        records.push_back({at, U32(wmf, at), U16(wmf, at + 4)});
        if (records.back().words < 3) break;
        at += 2 * records.back().words;
    }
    return records;
}

QByteArray Picture(QSize size, int dotsPerInch) {
    platform::MetafileSurface surface(size, dotsPerInch, "Arial", kLaptopScreen);
    surface.FillRect(0, 0, size.width(), size.height(), engine::Fill::White);
    return surface.ToPlaceableWmf();
}

TEST(WmfWriter, PlaceableHeaderWorkedOutByHand) {
    const QByteArray wmf = Picture({300, 100}, 300);
    // Frame 7555 × 2526 hundredths of a millimetre (300 × 34400 ÷ 1366, 100 × 19400 ÷ 768);
    // box 7555 × 300 ÷ 2540 = 892.32 and 2526 × 300 ÷ 2540 = 298.35.
    EXPECT_EQ(wmf.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
    const std::pair<qsizetype, int> fields[] = {{kHandle, 0},  {kLeft, 0},     {kTop, 0},
                                                {kRight, 892}, {kBottom, 298}, {kInch, 300}};
    for (const auto& [offset, value] : fields)
        EXPECT_EQ(I16(wmf, offset), value) << "offset " << offset;
    EXPECT_EQ(U32(wmf, kReserved), 0u);
    // CDD7 ^ 9AC6 = 5711; ^ 037C (892) = 546D; ^ 012A (298) = 5547; ^ 012C (300) = 546B.
    EXPECT_EQ(U16(wmf, kChecksum), 0x546B);
}

// Above 65535, or where the box would pass 32767, units per inch come down until both fit and
// the box keeps its physical size.
TEST(WmfWriter, UnitsPerInchForEveryResolution) {
    const struct {
        int dpi;
        QSize picture;
        int inch, right, bottom;
    } rows[] = {
        {300, {300, 100}, 300, 892, 298},
        {0, {300, 100}, 96, 286, 95}, // 7555 × 96 ÷ 2540 = 285.54
        {-5, {300, 100}, 96, 286, 95},
        {1, {300, 100}, 1, 3, 1},                 // 2.97 and 0.99
        {70000, {10, 10}, 65535, 6502, 6528},     // frame 252 × 253
        {99999, {300, 100}, 11016, 32766, 10955}, // 32767 × 2540 ÷ 7555 = 11016.4
        {65535, {300, 100}, 11016, 32766, 10955},
    };
    for (const auto& row : rows) {
        const QByteArray wmf = Picture(row.picture, row.dpi);
        EXPECT_EQ(U16(wmf, kInch), row.inch) << row.dpi;
        EXPECT_EQ(I16(wmf, kRight), row.right) << row.dpi;
        EXPECT_EQ(I16(wmf, kBottom), row.bottom) << row.dpi;
        std::uint16_t checksum = 0;
        for (qsizetype at = 0; at < kChecksum; at += 2)
            checksum ^= U16(wmf, at);
        EXPECT_EQ(U16(wmf, kChecksum), checksum) << row.dpi;
    }
}

// The header counts the metafile's words, its largest record and the object table a player
// needs (always taking the lowest free slot); every record is whole words and EOF ends it.
TEST(WmfWriter, HeaderCountsAndWordSizesAgree) {
    for (Orientation o : engine::kAllOrientations) {
        const QByteArray wmf =
            RecordBarcode({SymbologyCode::UpcA, "01234567890", 2, 120, true, o})->ToPlaceableWmf();
        const qsizetype meta = kPlaceableEnd;
        EXPECT_EQ(U16(wmf, meta + kMetaType), 1);
        EXPECT_EQ(U16(wmf, meta + kHeaderWords), 9);
        EXPECT_EQ(U16(wmf, meta + kMetaVersion), 0x0300);
        EXPECT_EQ(U32(wmf, meta + kMetaWords), (wmf.size() - meta) / 2);
        EXPECT_EQ(U16(wmf, meta + kParameters), 0);
        const std::vector<Record> records = WalkWmf(wmf);
        qsizetype bytes = meta + kMetaHeaderEnd;
        std::uint32_t largest = 0;
        std::vector<bool> table;
        std::size_t tableSize = 0;
        for (const Record& r : records) {
            bytes += 2 * r.words;
            largest = std::max(largest, r.words);
            if (r.function == kCreatePen || r.function == kCreateBrush ||
                r.function == kCreateFont) {
                const auto slot = std::find(table.begin(), table.end(), false) - table.begin();
                if (slot == static_cast<long>(table.size())) table.push_back(false);
                table[static_cast<std::size_t>(slot)] = true;
                tableSize = std::max(tableSize, static_cast<std::size_t>(slot) + 1);
            }
            if (r.function == kSelectObject) {
                EXPECT_TRUE(table.at(U16(wmf, r.offset + 6)));
            }
            if (r.function == kDeleteObject) table.at(U16(wmf, r.offset + 6)) = false;
        }
        EXPECT_EQ(bytes, wmf.size());
        EXPECT_EQ(U32(wmf, meta + kMaxRecord), largest);
        EXPECT_EQ(U16(wmf, meta + kObjects), tableSize);
        EXPECT_EQ(std::count(table.begin(), table.end(), true), 0);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back().function, kEof);
        EXPECT_EQ(records.back().words, 3u);
    }
}

// Anisotropic mapping over the picture's pixels, and the engine's font turned with the barcode.
TEST(WmfWriter, WindowAndFontRecords) {
    const std::pair<Orientation, int> rows[] = {{Orientation::Deg0, 0},
                                                {Orientation::Deg90, 2700},
                                                {Orientation::Deg180, 1800},
                                                {Orientation::Deg270, 900}};
    for (const auto& [o, escapement] : rows) {
        const BarcodeCase c{SymbologyCode::Sscc18, "12345", 2, 120, true, o};
        const QByteArray wmf = RecordBarcode(c)->ToPlaceableWmf();
        std::map<std::uint16_t, std::vector<qsizetype>> at;
        for (const Record& r : WalkWmf(wmf))
            at[r.function].push_back(r.offset + 6);
        EXPECT_EQ(U16(wmf, at[kSetMapMode].at(0)), 8); // MM_ANISOTROPIC
        EXPECT_EQ(U32(wmf, at[kSetWindowOrg].at(0)), 0u);
        const QSize picture = PictureSize(c);
        EXPECT_EQ(I16(wmf, at[kSetWindowExt].at(0)), picture.height()); // y comes first
        EXPECT_EQ(I16(wmf, at[kSetWindowExt].at(0) + 2), picture.width());
        ASSERT_EQ(at[kCreateFont].size(), 2u); // the surface's own, then the engine's
        const qsizetype font = at[kCreateFont][1];
        // Codes 13 to 15: a cell of 11 · module; Courier New's average width is 0.6 of its
        // 19-pixel em.
        const int expected[] = {22, 11, escapement, escapement, 800};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(I16(wmf, font + 2 * i), expected[i]) << "field " << i;
        EXPECT_EQ(wmf.mid(font + 18, 32), QByteArray("Courier New").leftJustified(32, '\0'));
        // 00 + the text padded to 17 digits + its check digit 7 (3·5 + 4 + 3·3 + 2 + 3·1 = 33).
        const QByteArray shown = "(00) 0 0000000 000012345 7";
        ASSERT_EQ(at[kExtTextOut].size(), 1u);
        const qsizetype text = at[kExtTextOut][0];
        EXPECT_EQ(I16(wmf, text + 4), shown.size());
        EXPECT_EQ(U16(wmf, text + 6), 0); // no options
        EXPECT_EQ(wmf.mid(text + 8, shown.size()), shown);
    }
}

TEST(WmfWriter, PicturesBeyondSixteenBitCoordinatesAreRefused) {
    for (QSize size : {QSize(32768, 10), QSize(10, 40000)}) {
        platform::MetafileSurface surface(size, 300, "Arial", kLaptopScreen);
        surface.FillRect(0, 0, size.width(), size.height(), engine::Fill::White);
        EXPECT_THROW(surface.ToPlaceableWmf(), platform::Failure);
        EXPECT_EQ(U32(surface.ToEmf(), 48), static_cast<std::uint32_t>(surface.ToEmf().size()));
    }
    // The widest picture: frame 32767 × 34400 ÷ 1366 = 825171.9; 32767 × 2540 ÷ 825172 = 100.9.
    const QByteArray widest = Picture({32767, 1}, 300);
    EXPECT_EQ(U16(widest, kInch), 100);
    EXPECT_EQ(I16(widest, kRight), 32487); // 825172 × 100 ÷ 2540 = 32487.09
}

} // namespace
