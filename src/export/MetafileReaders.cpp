// The metafile side of PictureReaders.h: libemf2svg for EMF and libwmf for WMF, the readers
// the desktop's converters use.

#include "export/PictureReaders.h"

#include <cstdlib>
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace exporting {
namespace {

constexpr int kEmfZoom = 2;
constexpr int kWmfZoom = 4;

// One libwmf player with the SVG back end, destroyed with everything it allocated. (Its GD
// back end draws the text several times too wide and shrinks the bars to make room.)
class WmfPlayer {
  public:
    WmfPlayer() {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        ok_ = wmf_api_create(&api_, WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL, &options) ==
              wmf_E_None;
    }
    ~WmfPlayer() {
        if (api_) wmf_api_destroy(api_);
    }
    WmfPlayer(const WmfPlayer&) = delete;
    WmfPlayer& operator=(const WmfPlayer&) = delete;

    QByteArray ToSvg(QByteArray wmf, int dpi) {
        if (!ok_ || wmf_mem_open(api_, reinterpret_cast<unsigned char*>(wmf.data()),
                                 static_cast<long>(wmf.size())) != wmf_E_None)
            return {};
        wmfD_Rect bounds{};
        wmf_svg_t* device = WMF_SVG_GetData(api_);
        if (wmf_scan(api_, 0, &bounds) != wmf_E_None ||
            wmf_display_size(api_, &device->width, &device->height, dpi, dpi) != wmf_E_None)
            return {};
        device->bbox = bounds;
        device->out = wmf_stream_create(api_, nullptr); // in memory
        const bool played = wmf_play(api_, 0, &bounds) == wmf_E_None;
        char* memory = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api_, device->out, &memory, &length);
        return played && memory ? QByteArray(memory, static_cast<qsizetype>(length)) : QByteArray();
    }

  private:
    wmfAPI* api_ = nullptr;
    bool ok_ = false;
};

} // namespace

QImage ReadEmf(const QByteArray& emf) {
    const std::lock_guard lock(LibraryReaderMutex());
    generatorOptions options{}; // no namespace prefix: libemf2svg would lose the one it builds
    options.svgDelimiter = true;
    QByteArray input = emf;
    char* svg = nullptr;
    size_t length = 0;
    const bool converted =
        emf2svg(input.data(), static_cast<size_t>(input.size()), &svg, &length, &options) != 0;
    const QImage image =
        converted && svg ? RenderSvg(QByteArray(svg, static_cast<qsizetype>(length)), {}, kEmfZoom)
                         : QImage();
    std::free(svg);
    return image;
}

QImage ReadWmf(const QByteArray& wmf, int dpi) {
    const std::lock_guard lock(LibraryReaderMutex());
    // libwmf copies a text record's ANSI bytes into the SVG as they are; everything else it
    // writes is ASCII. As UTF-8, a Latin-1 "ü" of the readable text makes the SVG unreadable.
    const QByteArray svg = WmfPlayer().ToSvg(wmf, dpi);
    return RenderSvg(QString::fromLatin1(svg).toUtf8(), {}, kWmfZoom);
}

} // namespace exporting
