#include "support/Decode.h"

#include "platform/BarcodeBitmap.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace testing_support {

QImage RenderBarcode(const RenderRequest& r, int margin) {
    platform::BarcodeDrawing drawing;
    drawing.code = r.code;
    drawing.text = r.text;
    drawing.module = r.module;
    drawing.height = r.height;
    drawing.showText = r.showText;
    drawing.orientation = r.orientation;
    const QImage box = platform::RenderBarcodeBitmap(drawing);
    QImage framed(box.width() + 2 * margin, box.height() + 2 * margin, QImage::Format_Grayscale8);
    framed.fill(255);
    QPainter painter(&framed);
    painter.drawImage(margin, margin, box);
    painter.end();
    return platform::PackToMono(framed);
}

ZXing::DecodeHints Reader(ZXing::BarcodeFormats formats) {
    return app::ScannerHints(formats);
}

DecodeResult DecodeImage(const QImage& image, const ZXing::DecodeHints& hints) {
    return app::ReadSymbol(image, hints);
}

PlacedSymbol DecodePlaced(const QImage& page, const QRect& area, const ZXing::DecodeHints& hints) {
    const QRect inside = area.intersected(page.rect());
    const QImage gray = page.copy(inside).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return {};
    const ZXing::Position& at = result.position();
    const int left = std::min({at[0].x, at[1].x, at[2].x, at[3].x});
    int top = (at[0].y + at[1].y + at[2].y + at[3].y) / 4;
    const auto dark = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < gray.width() && y < gray.height() &&
               qGray(gray.pixel(x, y)) < 128;
    };
    while (dark(left + 1, top - 1))
        --top;
    const ZXing::ByteArray& bytes = result.bytes();
    return {true, std::string(bytes.begin(), bytes.end()), inside.left() + left,
            inside.top() + top};
}

DecodeResult DecodeImage(const QImage& image, ZXing::BarcodeFormats formats, bool fullAscii) {
    return DecodeImage(image, Reader(formats).setTryCode39ExtendedMode(fullAscii));
}

DecodeResult RenderAndDecode(const RenderRequest& request, ZXing::BarcodeFormats formats,
                             bool fullAscii) {
    return DecodeImage(RenderBarcode(request), formats, fullAscii);
}

DecodeResult ExpectRead(const QImage& image, const ZXing::DecodeHints& hints,
                        const std::string& expected, const std::string& identifier) {
    const DecodeResult d = DecodeImage(image, hints);
    const std::string what = "reading " + ::testing::PrintToString(expected);
    if (!d.found) {
        ADD_FAILURE() << "nothing found " << what;
        return d;
    }
    EXPECT_EQ(d.format, ZXing::ToString(hints.formats())) << what;
    EXPECT_EQ(d.text, expected) << what;
    if (!identifier.empty()) {
        EXPECT_EQ(d.symbologyIdentifier, identifier) << what;
    }
    return d;
}

void ForEveryRendering(engine::SymbologyCode code, const std::string& text, int modulesHigh,
                       const std::function<void(const RenderRequest&)>& check) {
    for (int module = 1; module <= 4; ++module)
        for (engine::Orientation o : engine::kAllOrientations)
            for (bool showText : {true, false}) {
                SCOPED_TRACE("code " + std::to_string(static_cast<int>(code)) + " " +
                             ::testing::PrintToString(text) + " at module " +
                             std::to_string(module) + ", orientation " +
                             std::to_string(static_cast<int>(o)) +
                             (showText ? ", text shown" : ", text hidden"));
                check({code, text, module, modulesHigh * module, showText, o});
            }
}

void ExpectReadEverywhere(engine::SymbologyCode code, const std::string& text,
                          const ZXing::DecodeHints& hints, const std::string& expected,
                          int modulesHigh, const std::string& identifier) {
    ForEveryRendering(code, text, modulesHigh, [&](const RenderRequest& r) {
        ExpectRead(RenderBarcode(r), hints, expected, identifier);
    });
}

std::vector<std::string> AsciiSlices() {
    std::vector<std::string> slices;
    for (int first = 1; first < 128; first += 16) {
        std::string slice;
        for (int c = first; c < first + 16 && c < 128; ++c)
            slice += static_cast<char>(c);
        slices.push_back(slice);
    }
    return slices;
}

std::vector<std::string> RandomAsciiTexts(unsigned seed, int count, int shortest, int longest) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> length(shortest, longest);
    std::uniform_int_distribution<int> character(1, 127);
    std::vector<std::string> texts(static_cast<std::size_t>(count));
    for (std::string& text : texts)
        for (int n = length(random); n > 0; --n)
            text += static_cast<char>(character(random));
    return texts;
}

} // namespace testing_support
