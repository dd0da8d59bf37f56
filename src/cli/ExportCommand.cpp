// tallyrune-cli export: one barcode to a picture file, or one per line of a list (--batch).

#include "cli/BarcodeOptions.h"
#include "cli/Commands.h"
#include "export/ImageFileWriter.h"
#include "platform/Errors.h"

#include <QFile>
#include <QString>

#include <fstream>

namespace cli {
namespace {

constexpr qint64 kMaxPixels = 512LL * 1024 * 1024;
constexpr int kMaxSide = 1 << 20;

exporting::ImageFormat OutputFormat(const CliArguments& args, const QString& output) {
    if (const auto name = args.Value("--format")) {
        if (const auto format = exporting::ImageFormatFromName(*name)) return *format;
        throw UsageError("--format takes bmp or png, not \"" + *name + "\"");
    }
    if (const auto format = exporting::ImageFormatFromPath(output)) return *format;
    throw UsageError("cannot tell the format from \"" + output.toStdString() +
                     "\": give --format bmp or png");
}

void CheckDrawable(const platform::BarcodeDrawing& drawing) {
    const QSize size = platform::BarcodeBoxSize(drawing);
    if (size.width() >= kMaxSide || size.height() >= kMaxSide ||
        qint64(size.width()) * size.height() > kMaxPixels)
        throw platform::Failure("the barcode is too large to draw (" +
                                std::to_string(size.width()) + " x " +
                                std::to_string(size.height()) + " dots)");
}

void ExportOne(const BarcodeJob& job, const QString& path, exporting::ImageFormat format) {
    CheckDrawable(job.drawing);
    QImage image = platform::RenderBarcodeBitmap(job.drawing);
    exporting::SetImageResolution(image, job.dpi);
    exporting::WriteImageFile(image, path, format);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Failure("Unable to read " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// One file per non-empty line of the list; {n} in the pattern is the line number from 1.
void ExportBatch(const CliArguments& args, const std::string& list, const QString& pattern,
                 exporting::ImageFormat format, std::ostream& out) {
    if (!pattern.contains(QStringLiteral("{n}")))
        throw UsageError("with --batch, -o needs a pattern holding {n}");
    const std::vector<std::string> lines = ReadLines(list);
    int written = 0;
    CliArguments perLine = args;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        perLine.SetValue("--text", lines[i]);
        const BarcodeJob job = BarcodeJobFrom(perLine);
        ExportOne(job, QString(pattern).replace(QStringLiteral("{n}"), QString::number(i + 1)),
                  format);
        ++written;
    }
    out << "wrote " << written << " files\n";
}

} // namespace

void RunExport(const Words& words, std::ostream& out) {
    OptionSpec spec = BarcodeOptionSpec();
    spec.withValue.insert({"-o", "--format", "--batch"});
    const CliArguments args(words, spec);
    if (!args.Positional().empty())
        throw UsageError("reading document files is not supported yet: \"" + args.Positional()[0] +
                         "\"");
    const auto output = args.Value("-o");
    if (!output || output->empty()) throw UsageError("export needs -o FILE");
    const QString path = QString::fromStdString(*output);
    const exporting::ImageFormat format = OutputFormat(args, path);
    if (const auto list = args.Value("--batch")) return ExportBatch(args, *list, path, format, out);
    ExportOne(BarcodeJobFrom(args), path, format);
}

} // namespace cli
