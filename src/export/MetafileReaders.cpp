// The metafile side of PictureReaders.h: libemf2svg for EMF and libwmf for WMF, the readers
// the desktop's converters use.

#include "export/PictureReaders.h"

#include <cstdlib>
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>

namespace exporting {
namespace {

// The gd pixel 0xAARRGGBB (alpha 0 opaque, 127 transparent) on white, as grey.
uchar GreyOnWhite(int pixel) {
    const int alpha = (pixel >> 24) & 0x7f;
    const int r = (pixel >> 16) & 0xff;
    const int g = (pixel >> 8) & 0xff;
    const int b = pixel & 0xff;
    const int grey = (r * 299 + g * 587 + b * 114) / 1000;
    return static_cast<uchar>((grey * (127 - alpha) + 255 * alpha) / 127);
}

// One libwmf player with the GD back end, destroyed with everything it allocated.
class WmfPlayer {
  public:
    WmfPlayer() {
        wmfAPI_Options options{};
        options.function = wmf_gd_function;
        ok_ = wmf_api_create(&api_, WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL, &options) ==
              wmf_E_None;
    }
    ~WmfPlayer() {
        if (api_) wmf_api_destroy(api_);
    }
    WmfPlayer(const WmfPlayer&) = delete;
    WmfPlayer& operator=(const WmfPlayer&) = delete;

    QImage Play(QByteArray wmf, int dpi) {
        if (!ok_ || wmf_mem_open(api_, reinterpret_cast<unsigned char*>(wmf.data()), wmf.size()) !=
                        wmf_E_None)
            return {};
        wmfD_Rect bounds{};
        unsigned int width = 0;
        unsigned int height = 0;
        wmf_gd_t* device = WMF_GD_GetData(api_);
        device->type = wmf_gd_image;
        if (wmf_scan(api_, 0, &bounds) != wmf_E_None ||
            wmf_display_size(api_, &width, &height, dpi, dpi) != wmf_E_None)
            return {};
        device->bbox = bounds;
        device->width = width;
        device->height = height;
        if (wmf_play(api_, 0, &bounds) != wmf_E_None || !device->gd_image) return {};
        return Pixels(wmf_gd_image_pixels(device->gd_image), static_cast<int>(width),
                      static_cast<int>(height));
    }

  private:
    static QImage Pixels(const int* pixels, int width, int height) {
        QImage image(width, height, QImage::Format_Grayscale8);
        if (!pixels || image.isNull()) return {};
        for (int y = 0; y < height; ++y) {
            uchar* row = image.scanLine(y);
            for (int x = 0; x < width; ++x)
                row[x] = GreyOnWhite(pixels[static_cast<std::size_t>(y) * width + x]);
        }
        return image;
    }

    wmfAPI* api_ = nullptr;
    bool ok_ = false;
};

} // namespace

QImage ReadEmf(const QByteArray& emf, QSize size) {
    const std::lock_guard lock(LibraryReaderMutex());
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("svg");
    options.svgDelimiter = true;
    options.imgWidth = size.width();
    options.imgHeight = size.height();
    QByteArray input = emf;
    char* svg = nullptr;
    size_t length = 0;
    const bool converted =
        emf2svg(input.data(), static_cast<size_t>(input.size()), &svg, &length, &options) != 0;
    const QImage image = converted && svg
                             ? RenderSvg(QByteArray(svg, static_cast<qsizetype>(length)), size)
                             : QImage();
    std::free(svg);
    return image;
}

QImage ReadWmf(const QByteArray& wmf, int dpi) {
    const std::lock_guard lock(LibraryReaderMutex());
    return WmfPlayer().Play(wmf, dpi);
}

} // namespace exporting
