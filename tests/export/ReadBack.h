#pragma once
// Exported files read back to pixels by readers that are not ours: Qt's BMP and PNG readers,
// libjpeg, libtiff, librsvg (SVG, and the SVG that libemf2svg and libwmf make of EMF and WMF)
// and poppler. The command-line readers run several at a time.

#include "export/ExportFormat.h"
#include "export/Picture.h"

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

// A document exported in one format and orientation, and what its format's reader read.
struct ReadBackSample {
    std::size_t document; // its index in the documents given
    engine::Orientation orientation;
    ExportedFile file;
    QImage image; // null where the reader failed
};

// A document half an inch high carrying `text`, as the round-trip tests export it.
exporting::ExportDocument HalfInchDocument(engine::SymbologyCode symbology, std::string text);

// Each document written in every format and orientation into `folder` at `module` dots and
// `dpi`, each file read back.
std::vector<ReadBackSample>
ExportEverywhereAndReadBack(const std::vector<exporting::ExportDocument>& documents, int module,
                            int dpi, const QString& folder);

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
