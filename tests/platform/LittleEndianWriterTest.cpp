// The metafile byte writer: fields little-endian, padding and fixed-width strings with zeros,
// sizes patched in place, all across the buffer's growth.

#include "platform/LittleEndianWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::LittleEndianWriter;

TEST(LittleEndianWriter, FieldsAndPadding) {
    const struct {
        const char* name;
        std::function<void(LittleEndianWriter&)> write;
        QByteArray expected;
    } rows[] = {
        {"U8", [](auto& w) { w.U8(0xAB); }, QByteArray("\xAB", 1)},
        {"U16", [](auto& w) { w.U16(0x1234); }, QByteArray("\x34\x12", 2)},
        {"I16", [](auto& w) { w.I16(-2); }, QByteArray("\xFE\xFF", 2)},
        {"U32", [](auto& w) { w.U32(0x464D4520); }, QByteArray(" EMF", 4)},
        {"I32", [](auto& w) { w.I32(-1); }, QByteArray("\xFF\xFF\xFF\xFF", 4)},
        {"F32 1.0", [](auto& w) { w.F32(1.0f); }, QByteArray("\x00\x00\x80\x3F", 4)},
        {"PadTo 4", [](auto& w) { w.U8(1), w.PadTo(4); }, QByteArray("\x01\x00\x00\x00", 4)},
        {"PadTo when aligned", [](auto& w) { w.U16(1), w.PadTo(2); }, QByteArray("\x01\x00", 2)},
        {"FixedBytes cut", [](auto& w) { w.FixedBytes("Arial", 3); }, QByteArray("Ari")},
        {"FixedBytes padded", [](auto& w) { w.FixedBytes("Ab", 4); }, QByteArray("Ab\0\0", 4)},
        {"patched",
         [](auto& w) { w.U32(0), w.U16(7), w.PatchU32(0, 0x01020304), w.PatchU16(4, 9); },
         QByteArray("\x04\x03\x02\x01\x09\x00", 6)},
    };
    for (const auto& row : rows) {
        LittleEndianWriter writer;
        row.write(writer);
        EXPECT_EQ(writer.Size(), row.expected.size()) << row.name;
        EXPECT_EQ(writer.Take(), row.expected) << row.name;
    }
}

// A writer made for 16 bytes takes 100 000 and patches the first after growing.
TEST(LittleEndianWriter, GrowsAndTakesEverything) {
    LittleEndianWriter writer(16);
    writer.U32(0);
    for (int i = 0; i < 25000 - 1; ++i)
        writer.U32(static_cast<std::uint32_t>(i));
    writer.PatchU32(0, 0xDEADBEEF);
    const QByteArray bytes = writer.Take();
    ASSERT_EQ(bytes.size(), 100000);
    EXPECT_EQ(bytes.left(4), QByteArray("\xEF\xBE\xAD\xDE", 4));
    EXPECT_EQ(bytes.mid(99996, 4), QByteArray("\xA6\x61\x00\x00", 4)); // 24998
    EXPECT_EQ(writer.Size(), 0);
    writer.U8(5); // still usable
    EXPECT_EQ(writer.Take(), QByteArray("\x05", 1));
}

} // namespace
