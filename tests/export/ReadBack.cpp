#include "export/ReadBack.h"

#include "export/Exporter.h"
#include "export/PictureReaders.h"

#include <QFile>
#include <QProcess>

#include <csetjmp>
#include <cstdio>
#include <deque>
#include <jpeglib.h>
#include <memory>

namespace export_test {
namespace {

using exporting::ExportFormat;

constexpr int kParallel = 4;
constexpr int kTimeoutMs = 60000;

// The shell command that turns `file` into a raster file, and that file's name.
struct Conversion {
    QString command;
    QString output;
};

QString Quoted(const QString& path) {
    return QLatin1Char('\'') + QString(path).replace("'", "'\\''") + QLatin1Char('\'');
}

// Vector pictures are drawn at their own resolution, so a dot stays a pixel; metafiles are
// drawn on white at twice the size libemf2svg chooses and four times the size of libwmf, whose
// text comes out far wider than the bars.
Conversion ConversionOf(const ExportedFile& file) {
    const QString in = Quoted(file.path);
    const QString dpi = QString::number(file.dpi);
    const QString rsvg = QStringLiteral("rsvg-convert -b white ");
    switch (file.format) {
    case ExportFormat::Svg:
        return {rsvg + "-d " + dpi + " -p " + dpi + " " + in + " -o " + in + ".png",
                file.path + ".png"};
    case ExportFormat::Pdf:
        return {"pdftoppm -gray -singlefile -r " + dpi + " " + in + " " + in, file.path + ".pgm"};
    case ExportFormat::Emf:
        return {"emf2svg-conv -i " + in + " -o " + in + ".svg && " + rsvg + "-z 2 " + in +
                    ".svg -o " + in + ".png",
                file.path + ".png"};
    case ExportFormat::Wmf:
        // wmf2svg copies a text record's ANSI bytes as they are: Latin-1 made UTF-8 for rsvg.
        return {"wmf2svg -o " + in + ".svg " + in + " && iconv -f LATIN1 -t UTF-8 " + in +
                    ".svg > " + in + ".utf8.svg && " + rsvg + "-z 4 " + in + ".utf8.svg -o " + in +
                    ".png",
                file.path + ".png"};
    default:
        return {};
    }
}

// Runs the commands, kParallel at a time.
void RunCommands(const std::vector<Conversion>& conversions) {
    std::deque<std::unique_ptr<QProcess>> running;
    for (const Conversion& c : conversions) {
        if (c.command.isEmpty()) continue;
        if (running.size() >= kParallel) {
            running.front()->waitForFinished(kTimeoutMs);
            running.pop_front();
        }
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("sh"), {QStringLiteral("-c"), c.command});
        running.push_back(std::move(process));
    }
    for (auto& process : running)
        process->waitForFinished(kTimeoutMs);
}

struct JpegErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->jump, 1);
}

bool Decompress(FILE* in, JpegFacts& facts) {
    jpeg_decompress_struct info;
    JpegErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    facts.components = info.num_components;
    facts.colorSpace = info.jpeg_color_space;
    facts.progressive = info.progressive_mode;
    facts.densityUnit = info.density_unit;
    facts.xDensity = info.X_density;
    facts.yDensity = info.Y_density;
    if (const JQUANT_TBL* table = info.quant_tbl_ptrs[0])
        facts.luminanceTable.assign(table->quantval, table->quantval + 8);
    info.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&info);
    facts.image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                         QImage::Format_Grayscale8);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = facts.image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

JpegFacts ReadJpeg(const QString& path) {
    JpegFacts facts;
    FILE* in = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!in) return facts;
    facts.read = Decompress(in, facts);
    std::fclose(in);
    return facts;
}

QImage ReadBack(const ExportedFile& file) {
    return ReadBackAll({file}).front();
}

std::vector<QImage> ReadBackAll(const std::vector<ExportedFile>& files) {
    std::vector<Conversion> conversions;
    for (const ExportedFile& file : files)
        conversions.push_back(ConversionOf(file));
    RunCommands(conversions);
    std::vector<QImage> images;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ExportedFile& file = files[i];
        if (file.format == ExportFormat::Jpeg)
            images.push_back(ReadJpeg(file.path).image);
        else if (file.format == ExportFormat::Tiff)
            images.push_back(exporting::ReadTiff(file.path));
        else if (!conversions[i].output.isEmpty())
            images.emplace_back(conversions[i].output);
        else
            images.emplace_back(file.path); // BMP, PNG: Qt's readers
    }
    return images;
}

ToolRun RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kTimeoutMs);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

exporting::ExportDocument HalfInchDocument(engine::SymbologyCode symbology, std::string text) {
    exporting::ExportDocument document;
    document.Symbology = symbology;
    document.BarcodeText = std::move(text);
    document.BarHeight = 0.5;
    return document;
}

std::vector<ReadBackSample>
ExportEverywhereAndReadBack(const std::vector<exporting::ExportDocument>& documents, int module,
                            int dpi, const QString& folder) {
    exporting::Exporter exporter;
    std::vector<ReadBackSample> samples;
    for (const exporting::FormatInfo& format : exporting::ExportFormats())
        for (std::size_t d = 0; d < documents.size(); ++d)
            for (engine::Orientation o : engine::kAllOrientations) {
                const QString path = QStringLiteral("%1/%2-%3-%4-%5.%6")
                                         .arg(folder)
                                         .arg(int(documents[d].Symbology))
                                         .arg(d)
                                         .arg(int(o))
                                         .arg(int(format.format))
                                         .arg(format.extension.data());
                exporting::ExportDocument document = documents[d];
                document.Rotation = o;
                exporter.Export(document, module, dpi, format.format, path);
                samples.push_back({d, o, {path, format.format, dpi}, {}});
            }
    std::vector<ExportedFile> files;
    for (const ReadBackSample& s : samples)
        files.push_back(s.file);
    std::vector<QImage> images = ReadBackAll(files);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i].image = std::move(images[i]);
    return samples;
}

} // namespace export_test
