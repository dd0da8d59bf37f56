// The export's scan check reads each format back with that format's own library.

#include "export/ExportCheck.h"
#include "export/Exporter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;

TEST(ExportCheck, EveryFormatAndOrientationReadsBackAsMeant) {
    const struct {
        SymbologyCode code;
        const char* text;
    } cases[] = {
        {SymbologyCode::Code39Mod43, "CODE39"},
        {SymbologyCode::Sscc18, "12345"},
        {SymbologyCode::UpcE, "123456"},
    };
    QTemporaryDir dir;
    for (const exporting::FormatInfo& format : exporting::ExportFormats())
        for (const auto& c : cases)
            for (engine::Orientation o : engine::kAllOrientations) {
                exporting::ExportDocument document;
                document.Symbology = c.code;
                document.BarcodeText = c.text;
                document.BarHeight = 0.5;
                document.Rotation = o;
                const QString path =
                    dir.filePath(QStringLiteral("picture.%1").arg(format.extension.data()));
                exporting::Export(document, 2, 150, format.format, path);
                const app::ScanVerdict verdict =
                    exporting::CheckExportedFile(document, 2, 150, format.format, path);
                EXPECT_EQ(verdict.outcome, app::ScanOutcome::Matches)
                    << format.cliName << " " << c.text << " at " << int(o) << ": "
                    << verdict.Message().toStdString();
            }
}

TEST(ExportCheck, AFileNoReaderTakesDoesNotScan) {
    QTemporaryDir dir;
    exporting::ExportDocument document;
    document.BarcodeText = "HELLO";
    for (const exporting::FormatInfo& format : exporting::ExportFormats()) {
        const QString path = dir.filePath(QStringLiteral("junk.%1").arg(format.extension.data()));
        QFile junk(path);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
        junk.close();
        EXPECT_THROW(exporting::VerifyExportedFile(document, 3, 300, format.format, path),
                     exporting::ScanFailure)
            << format.cliName;
    }
}

} // namespace
