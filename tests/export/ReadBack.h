#pragma once
// Exported files read back to pixels by readers that are not ours: Qt's BMP and PNG readers,
// libjpeg, libtiff, librsvg (SVG, and the SVG that libemf2svg and libwmf make of EMF and WMF)
// and poppler. The command-line readers run several at a time.

#include "export/ExportFormat.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace export_test {

struct ExportedFile {
    QString path;
    exporting::ExportFormat format;
    int dpi = 300;
};

// One image per file, in order; a null image where the reader failed.
std::vector<QImage> ReadBackAll(const std::vector<ExportedFile>& files);
QImage ReadBack(const ExportedFile& file);

struct JpegFacts {
    bool read = false;
    int components = 0;
    int colorSpace = 0; // J_COLOR_SPACE
    bool progressive = false;
    int densityUnit = 0;
    int xDensity = 0;
    int yDensity = 0;
    std::vector<int> luminanceTable; // the first row of table 0, natural order
    QImage image;                    // greyscale
};
// Decompressed with libjpeg.
JpegFacts ReadJpeg(const QString& path);

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
ToolRun RunTool(const QString& program, const QStringList& arguments);

} // namespace export_test
