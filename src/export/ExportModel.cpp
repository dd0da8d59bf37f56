#include "export/ExportModel.h"

#include "app/BarcodeDocument.h"
#include "app/EngineTexts.h"
#include "engine/Barcode.h"
#include "export/ExportCheck.h"
#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>

namespace exporting {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A number box's value one down, not below `min`, or one up, not above `max`.
QString SteppedDown(const QString& text, int min) {
    return QString::number(std::max(static_cast<long long>(ReadInteger(text)) - 1, 0LL + min));
}
QString SteppedUp(const QString& text, int max) {
    return QString::number(std::min(static_cast<long long>(ReadInteger(text)) + 1, 0LL + max));
}

// `name` with the format's extension in place of its own.
QString WithExtension(QString name, ExportFormat format) {
    const qsizetype folderEnd = name.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= folderEnd) name.truncate(dot);
    return name + QLatin1Char('.') + Latin1(InfoOf(format).extension);
}

} // namespace

ExportDocument ExportDocumentOf(const app::BarcodeDocument& document) {
    return {document.Symbology(),
            document.DrawnText(),
            document.BarHeight(),
            document.BarUnit(),
            document.Interpret(),
            app::DrawnOrientation(document.Rotation()),
            document.BarcodeFont().family(),
            document.FileName(),
            document.Options()};
}

int ExportModel::ExportDpi() const {
    const int dpi = Settings.DpiType == DpiKind::Screen    ? metrics_.ScreenDpiX
                    : Settings.DpiType == DpiKind::Printer ? metrics_.PrinterDpiX
                                                           : ReadInteger(Settings.DpiText);
    return std::max(dpi, 1);
}

int ExportModel::ExportModuleWidth(engine::SymbologyCode symbology) const {
    return Settings.AutoSize ? AutoModuleWidth(ExportDpi(), symbology)
                             : ReadInteger(Settings.ScaleText);
}

QString ExportModel::MilsLabelText(QChar decimalSeparator) const {
    const double mils = ReadInteger(Settings.ScaleText) * 1000.0 / ExportDpi();
    return platform::FormatFloat("##0.0", mils, decimalSeparator) + QStringLiteral(" mils");
}

QString ExportModel::PrinterDpiCaption() const {
    return QCoreApplication::translate("ExportModel", "Printer DPI (%1)").arg(metrics_.PrinterDpiX);
}

PictureGeometry ExportModel::Picture(const ExportDocument& document) const {
    return PictureFor(document, ExportModuleWidth(document.Symbology), ExportDpi());
}

QString ExportModel::DefaultExtension() const {
    const auto format = Format();
    return format ? Latin1(InfoOf(*format).extension) : QString();
}

QString ExportModel::Filter() const {
    const auto format = Format();
    return format ? SaveDialogFilter(*format) : QString();
}

void ExportModel::ApplyFormatExtension() {
    if (const auto format = Format()) FileName = WithExtension(FileName, *format);
}

void ExportModel::UpdateMilsLabel(QChar decimalSeparator) {
    MilsLabel = MilsLabelText(decimalSeparator);
}

void ExportModel::ChooseDpiType(DpiKind kind) {
    Settings.DpiType = kind;
    UpdateMilsLabel();
}

void ExportModel::SetDpiText(const QString& text) {
    Settings.DpiText = text;
    UpdateMilsLabel();
}

void ExportModel::SetScaleText(const QString& text) {
    Settings.ScaleText = text;
    UpdateMilsLabel();
}

void ExportModel::ScaleDown() {
    Settings.ScaleText = SteppedDown(Settings.ScaleText, kMinScale);
    UpdateMilsLabel();
}
void ExportModel::ScaleUp() {
    Settings.ScaleText = SteppedUp(Settings.ScaleText, kMaxScale);
    UpdateMilsLabel();
}
void ExportModel::DpiDown() {
    SetDpiText(SteppedDown(Settings.DpiText, kMinDpi));
}
void ExportModel::DpiUp() {
    SetDpiText(SteppedUp(Settings.DpiText, kMaxDpi));
}

void ExportModel::ChooseFormat(int index) {
    Settings.Format = index;
    ApplyFormatExtension();
}

void ExportModel::Open(const ExportDocument& document) {
    FileName = document.FileName;
    UpdateMilsLabel();
    ApplyFormatExtension();
}

QString ExportModel::SaveName() const {
    const auto format = Format();
    if (!format || InfoOf(*format).kind == PictureKind::Metafile) return FileName;
    return WithExtension(FileName, *format);
}

std::optional<QString> ExportModel::Save(const ExportDocument& document, Exporter& exporter) {
    const auto format = Format();
    if (!format) return std::nullopt;
    FileName = SaveName();
    if (const std::string problem =
            engine::BarcodeProblem(document.Symbology, document.BarcodeText, document.Options);
        !problem.empty())
        throw platform::Failure(app::InUsersLanguage(problem));
    const int module = ExportModuleWidth(document.Symbology);
    exporter.Export(document, module, ExportDpi(), *format, FileName);
    VerifyExportedFile(document, module, ExportDpi(), *format, FileName);
    return FileName;
}

} // namespace exporting
