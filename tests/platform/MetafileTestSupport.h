#pragma once
// Helpers shared by the metafile tests: barcodes recorded on a MetafileSurface, little-endian
// field reads, and the third-party readers (libemf2svg, libwmf, librsvg) run as oracles.

#include "engine/Barcode.h"
#include "platform/MetafileSurface.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace metafile_test {

struct BarcodeCase {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    std::string text = "Tally 123";
    int module = 2;
    int height = 120;
    bool showText = true;
    engine::Orientation orientation = engine::Orientation::Deg0;
};

// A fixed screen, so that frames and boxes can be worked out by hand.
inline const platform::ReferenceScreen kLaptopScreen{1366, 768, 344.0, 194.0};

QSize PictureSize(const BarcodeCase& c);
std::unique_ptr<platform::MetafileSurface>
RecordBarcode(const BarcodeCase& c, int dotsPerInch = 300,
              const platform::ReferenceScreen& screen = kLaptopScreen);

std::uint16_t U16(const QByteArray& bytes, qsizetype offset);
std::int16_t I16(const QByteArray& bytes, qsizetype offset);
std::uint32_t U32(const QByteArray& bytes, qsizetype offset);
std::int32_t I32(const QByteArray& bytes, qsizetype offset);

// Runs a reader; fails unless it exits with 0 and writes nothing to stderr.
::testing::AssertionResult RunReader(const QString& program, const QStringList& arguments);

// The EMF through emf2svg-conv and rsvg-convert, drawn on white. emf2svg sizes its page from
// the inclusive bounds (one pixel short on each side) while drawing at scale 1, so the page is
// set back to `picture` before rendering.
QImage RenderEmf(const QByteArray& emf, QSize picture);
// The WMF through wmf2svg and rsvg-convert, drawn on white at the size libwmf chooses.
QImage RenderWmf(const QByteArray& wmf);

} // namespace metafile_test
