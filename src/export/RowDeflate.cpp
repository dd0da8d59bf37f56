#include "export/RowDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace exporting {
namespace {

// A Huffman code (bits reversed, as deflate sends codes from their top bit) with its extra
// bits above it, and the number of bits in all.
struct Code {
    std::uint32_t bits = 0;
    int count = 0;
};

constexpr std::uint32_t Reversed(std::uint32_t value, int count) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < count; ++i, value >>= 1)
        reversed = (reversed << 1) | (value & 1);
    return reversed;
}

// The fixed literal/length code of RFC 1951 section 3.2.6.
constexpr Code FixedCode(int symbol) {
    if (symbol < 144) return {Reversed(0x30 + symbol, 8), 8};
    if (symbol < 256) return {Reversed(0x190 + symbol - 144, 9), 9};
    if (symbol < 280) return {Reversed(symbol - 256, 7), 7};
    return {Reversed(0xC0 + symbol - 280, 8), 8};
}

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kMaxDistance = 32768;
constexpr int kEndOfBlock = 256;

// Lengths 3..258: the first length of each code 257..285 and its extra bits (section 3.2.5).
constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                          15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                          67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
// Distances 1..32768: the first of each code 0..29; code c has max(0, c / 2 - 1) extra bits.
constexpr std::array<int, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

constexpr std::array<Code, 256> kLiterals = [] {
    std::array<Code, 256> codes{};
    for (int byte = 0; byte < 256; ++byte)
        codes[byte] = FixedCode(byte);
    return codes;
}();

constexpr std::array<Code, kMaxMatch + 1> kLengths = [] {
    std::array<Code, kMaxMatch + 1> codes{};
    for (int c = 0; c < 29; ++c) {
        const int last = c + 1 < 29 ? kLengthBase[c + 1] - 1 : kMaxMatch;
        for (int length = kLengthBase[c]; length <= last && length <= kMaxMatch; ++length) {
            const Code code = FixedCode(257 + c);
            codes[length] = {code.bits | static_cast<std::uint32_t>(length - kLengthBase[c])
                                             << code.count,
                             code.count + kLengthExtra[c]};
        }
    }
    return codes;
}();

Code DistanceCode(int distance) {
    int c = 29;
    while (kDistanceBase[c] > distance)
        --c;
    const int extra = std::max(0, c / 2 - 1);
    return {Reversed(c, 5) | static_cast<std::uint32_t>(distance - kDistanceBase[c]) << 5,
            5 + extra};
}

// Bits from the lowest up, as deflate packs them, written four bytes at a time.
static_assert(std::endian::native == std::endian::little);
class BitWriter {
  public:
    explicit BitWriter(char* out) : out_(out) {}
    void Put(Code code) {
        pending_ |= static_cast<std::uint64_t>(code.bits) << count_;
        count_ += code.count;
        if (count_ >= 32) {
            const auto low = static_cast<std::uint32_t>(pending_);
            std::memcpy(out_, &low, 4);
            out_ += 4;
            pending_ >>= 32;
            count_ -= 32;
        }
    }
    // Pads the last byte with zeros; returns the end of the output.
    char* Finish() {
        for (; count_ > 0; count_ -= 8, pending_ >>= 8)
            *out_++ = static_cast<char>(pending_ & 0xFF);
        return out_;
    }

  private:
    char* out_;
    std::uint64_t pending_ = 0;
    int count_ = 0;
};

// How many bytes from `at` repeat those `distance` before, up to `limit`.
int MatchLength(const uchar* at, qsizetype distance, int limit) {
    int length = 0;
    for (; length + 8 <= limit; length += 8) {
        std::uint64_t here, there;
        std::memcpy(&here, at + length, 8);
        std::memcpy(&there, at + length - distance, 8);
        if (here != there) return length + std::countr_zero(here ^ there) / 8;
    }
    while (length < limit && at[length] == at[length - distance])
        ++length;
    return length;
}

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

// Where the bytes of the current row may be found before: one byte back, one row back, and
// in the row most alike among the last few that were not copies of the row above them (a
// turned barcode's rows take turns between a few kinds).
class Candidates {
  public:
    Candidates(const uchar* bytes, qsizetype size, qsizetype rowBytes)
        : bytes_(bytes), size_(size), rowBytes_(rowBytes) {}

    // Chooses the earlier row for the row holding `at` once it is reached.
    void Reach(qsizetype at) {
        if (at < nextRow_) return;
        const qsizetype row = at - at % rowBytes_;
        nextRow_ = row + rowBytes_;
        earlier_ = 0;
        const int length = static_cast<int>(std::min(rowBytes_, size_ - row));
        if (row >= rowBytes_ && MatchLength(bytes_ + row, rowBytes_, length) == length) return;
        int best = 0;
        for (const qsizetype start : recent_) {
            const qsizetype distance = row - start;
            if (start < 0 || distance > kMaxDistance || distance == rowBytes_) continue;
            const int alike = MatchLength(bytes_ + row, distance, length);
            if (alike > best) {
                best = alike;
                earlier_ = distance;
            }
        }
        recent_[next_++ % recent_.size()] = row;
    }
    // The longest match at `at` and its distance.
    std::pair<int, qsizetype> Longest(qsizetype at, int limit) const {
        std::pair<int, qsizetype> best{0, 0};
        for (const qsizetype distance : {rowBytes_, earlier_, qsizetype{1}}) {
            if (distance <= 0 || distance > at || distance > kMaxDistance ||
                bytes_[at] != bytes_[at - distance])
                continue;
            const int length = MatchLength(bytes_ + at, distance, limit);
            if (length > best.first) best = {length, distance};
            if (length == limit) break;
        }
        return best;
    }

  private:
    const uchar* bytes_;
    qsizetype size_;
    qsizetype rowBytes_;
    qsizetype nextRow_ = 0;
    qsizetype earlier_ = 0;
    std::array<qsizetype, 8> recent_{-1, -1, -1, -1, -1, -1, -1, -1};
    std::size_t next_ = 0;
};

} // namespace

QByteArray DeflateRows(const char* data, qsizetype size, qsizetype rowBytes) {
    const auto* bytes = reinterpret_cast<const uchar*>(data);
    // Nine bits a byte at worst, with room for the header, the word writes and the trailer.
    QByteArray out(2 + size + size / 8 + 16, Qt::Uninitialized);
    out[0] = 0x78; // deflate, 32 KiB window
    out[1] = 0x01; // fastest level; 0x7801 is a multiple of 31
    BitWriter bits(out.data() + 2);
    bits.Put({0b011, 3}); // the last block, fixed codes
    Candidates candidates(bytes, size, std::max<qsizetype>(rowBytes, 1));
    Code distanceCode;
    qsizetype codedDistance = 0;
    for (qsizetype i = 0; i < size;) {
        candidates.Reach(i);
        const int limit = static_cast<int>(std::min<qsizetype>(kMaxMatch, size - i));
        const auto [length, distance] = candidates.Longest(i, limit);
        if (length < kMinMatch) {
            bits.Put(kLiterals[bytes[i++]]);
            continue;
        }
        if (distance != codedDistance) {
            distanceCode = DistanceCode(static_cast<int>(distance));
            codedDistance = distance;
        }
        bits.Put(kLengths[length]);
        bits.Put(distanceCode);
        i += length;
    }
    bits.Put(FixedCode(kEndOfBlock));
    out.truncate(bits.Finish() - out.constData());
    AppendBigEndian(out,
                    static_cast<std::uint32_t>(adler32_z(1, bytes, static_cast<z_size_t>(size))));
    return out;
}

} // namespace exporting
