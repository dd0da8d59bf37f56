#include "export/MonoBits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace exporting {
namespace {

// Eight bytes (0 or 255) for each byte of bits, first pixel at the lowest address.
constexpr std::array<std::uint64_t, 256> kExpand = [] {
    std::array<std::uint64_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        for (int bit = 0; bit < 8; ++bit)
            if (byte & (0x80 >> bit)) table[byte] |= std::uint64_t{0xFF} << (8 * bit);
    return table;
}();

} // namespace

void FillBits(uchar* firstRow, qsizetype stride, int rows, int left, int right, uchar value) {
    const int first = left >> 3;
    const int last = (right - 1) >> 3;
    auto firstMask = static_cast<uchar>(0xFF >> (left & 7));
    const auto lastMask = static_cast<uchar>(0xFF << (7 - ((right - 1) & 7)));
    if (first == last) firstMask &= lastMask;
    const auto set = [value](uchar& byte, uchar mask) {
        byte = static_cast<uchar>((byte & ~mask) | (value & mask));
    };
    uchar* row = firstRow;
    if (first == last) { // a bar within one byte: most bars
        for (int y = 0; y < rows; ++y, row += stride)
            set(row[first], firstMask);
        return;
    }
    for (int y = 0; y < rows; ++y, row += stride) {
        set(row[first], firstMask);
        for (int byte = first + 1; byte < last; ++byte)
            row[byte] = value;
        set(row[last], lastMask);
    }
}

void ExpandBits(const uchar* bits, uchar* out, int firstByte, int endByte, int width) {
    const int wholeEnd = std::min(endByte, width / 8);
    for (int byte = firstByte; byte < wholeEnd; ++byte)
        std::memcpy(out + byte * 8, &kExpand[bits[byte]], 8);
    if (wholeEnd < endByte && wholeEnd * 8 < width)
        std::memcpy(out + wholeEnd * 8, &kExpand[bits[wholeEnd]],
                    static_cast<std::size_t>(width - wholeEnd * 8));
}

void PackBits(const uchar* in, uchar* bits, int firstByte, int endByte, int width) {
    // The top bit of each byte says "at least 128"; a multiply gathers eight of them.
    const auto gather = [](std::uint64_t eight) {
        eight = (eight >> 7) & 0x0101010101010101ULL;
        return static_cast<uchar>((eight * 0x8040201008040201ULL) >> 56);
    };
    const int wholeEnd = std::min(endByte, width / 8);
    for (int byte = firstByte; byte < wholeEnd; ++byte) {
        std::uint64_t eight;
        std::memcpy(&eight, in + byte * 8, 8);
        bits[byte] = gather(eight);
    }
    if (wholeEnd < endByte && wholeEnd * 8 < width) {
        const int count = width - wholeEnd * 8;
        std::uint64_t eight = 0;
        std::memcpy(&eight, in + wholeEnd * 8, static_cast<std::size_t>(count));
        const auto mask = static_cast<uchar>(0xFF << (8 - count));
        bits[wholeEnd] = static_cast<uchar>((bits[wholeEnd] & ~mask) | (gather(eight) & mask));
    }
}

} // namespace exporting
