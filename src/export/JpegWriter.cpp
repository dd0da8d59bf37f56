// The JPEG writer of RasterWriters.h: libjpeg with its defaults, quality 75 with baseline
// tables, greyscale output. The 1-bit rows are fed as greyscale samples 0 and 255, which is
// what libjpeg's RGB-to-greyscale conversion makes of black and white RGB pixels.

#include "export/RasterWriters.h"

#include "engine/Units.h"
#include "export/MonoBits.h"
#include "platform/Errors.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <jpeglib.h>

namespace exporting {
namespace {

constexpr int kQuality = 75;
constexpr int kMaxDensity = 65535; // JFIF densities are 16-bit

// libjpeg reports errors through error_exit, which must not return: jump back out of the
// compressor instead (no C++ object lives in the frame jumped over).
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// The compressed file in memory that libjpeg allocates; owned by the caller's frame.
struct Output {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    ErrorJump error;
};

void SetDensity(jpeg_compress_struct& info, int dpi) {
    const bool perInch = dpi <= kMaxDensity;
    const int density = perInch ? dpi : engine::RoundHalfEven(dpi / engine::kCentimetresPerInch);
    info.density_unit = perInch ? 1 : 2;
    info.X_density = static_cast<UINT16>(density);
    info.Y_density = static_cast<UINT16>(density);
}

bool Compress(const QImage& mono, int dpi, Output& out) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&out.error.manager);
    out.error.manager.error_exit = JumpOnError;
    if (setjmp(out.error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &out.data, &out.size);
    info.image_width = static_cast<JDIMENSION>(mono.width());
    info.image_height = static_cast<JDIMENSION>(mono.height());
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, kQuality, TRUE);
    SetDensity(info, dpi);
    jpeg_start_compress(&info, TRUE);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.image_width, 1);
    const int endByte = (mono.width() + 7) / 8;
    while (info.next_scanline < info.image_height) {
        ExpandBits(mono.constScanLine(static_cast<int>(info.next_scanline)), row[0], 0, endByte,
                   mono.width());
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage& mono, int dpi) {
    Output out;
    const bool done = Compress(mono, dpi, out);
    QByteArray file;
    if (done) file = QByteArray(reinterpret_cast<const char*>(out.data), out.size);
    std::free(out.data);
    if (!done)
        throw platform::Failure(QCoreApplication::translate("JpegWriter", "JPEG error: %1")
                                    .arg(QString::fromLocal8Bit(out.error.message)));
    return file;
}

} // namespace exporting
