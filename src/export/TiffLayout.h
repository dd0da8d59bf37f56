#pragma once
// Where each block of a TIFF file stands, and the directory that points at them. Offsets are
// computed from the picture's size alone, so the file can be written front to back.

#include <array>
#include <cstdint>
#include <string_view>

namespace exporting {

// Written with a terminating zero, as TIFF requires of ASCII fields.
inline constexpr std::string_view kTiffSoftware{"Tamvi soft\0", 11};

struct TiffLayout {
    int bitsPerPixel = 8;          // 4 or 8: palette layout; 24: RGB layout
    std::uint32_t width = 0;       // written width in pixels
    std::uint32_t height = 0;      // rows
    std::uint32_t rowBytes = 0;    // bytes per written row, no padding
    std::uint32_t colourCount = 0; // colour-map entries: 16 or 256; 0 in the RGB layout
    std::uint32_t colourMap = 0;   // offsets of the blocks, in file order
    std::uint32_t xResolution = 0;
    std::uint32_t yResolution = 0;
    std::uint32_t bitsPerSample = 0; // RGB layout only
    std::uint32_t software = 0;
    std::uint32_t pixels = 0;
    std::uint32_t pixelBytes = 0; // the strip, height × rowBytes
    std::uint32_t padBytes = 0;   // 0 or 1: the directory starts on a word boundary
    std::uint32_t directory = 0;
    std::uint32_t fileSize = 0;
};

// Throws platform::Failure for a side outside 1 to 65535 or a file past 4 GiB.
TiffLayout LayOutTiff(int bitsPerPixel, int width, int height);

enum class TiffType : std::uint16_t { Ascii = 2, Short = 3, Long = 4, Rational = 5 };

struct TiffEntry {
    std::uint16_t tag;
    TiffType type;
    std::uint32_t count;
    std::uint32_t value; // a single SHORT or LONG, else the offset of the values
};

inline constexpr std::size_t kTiffEntryCount = 15;
inline constexpr std::uint32_t kTiffDirectorySize = 2 + 12 * kTiffEntryCount + 4;

// The fifteen entries in ascending tag order.
std::array<TiffEntry, kTiffEntryCount> TiffDirectory(const TiffLayout& layout);

} // namespace exporting
