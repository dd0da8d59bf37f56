#include "app/OpenedDocument.h"

#include "app/BarcodeDocument.h"
#include "app/DrawableDocument.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace app {
namespace {

using platform::ProfileFile;

const QString kBarcode = QStringLiteral("BARCODE");

// "KEY=value" as the file holds it.
QString Stored(const ProfileFile& profile, const char* key) {
    return QString::fromLatin1(key) + QLatin1Char('=') + profile.ReadString(kBarcode, key);
}

// "<what>: <used> is used", the note of a value that took another's place.
std::string UsedInstead(const QString& what, const QString& used) {
    return QCoreApplication::translate("OpenedDocument", "%1: %2 is used")
        .arg(what, used)
        .toStdString();
}

// What takes the place of a value that cannot be drawn, named as the note shows it.
struct Replacement {
    const char* key;
    std::string (*use)(DocumentRecord&);
};

std::string UseCode128(DocumentRecord& record) {
    record.Symbology = engine::SymbologyCode::Code128;
    return std::string(engine::FindSymbology(record.Symbology)->listItem);
}

std::string UseDefaultHeight(DocumentRecord& record) {
    record.BarHeight = DocumentRecord{}.BarHeight;
    return platform::FormatReal(record.BarHeight, QLatin1Char('.')).toStdString() +
           (record.Unit == engine::Unit::Centimetre ? " cm" : " in");
}

constexpr Replacement kReplacements[] = {{"TYPE", UseCode128}, {"HEIGHT", UseDefaultHeight}};

// The scale list runs from 1 to 10; the picture is drawn at the nearest of them anyway.
std::optional<std::string> CorrectScale(const ProfileFile& profile, DocumentRecord& record) {
    const int used = DrawnScale(record.Scale);
    if (used == record.Scale) return std::nullopt;
    const QString why = record.Scale < used
                            ? QCoreApplication::translate("OpenedDocument", "%1 is below %2")
                            : QCoreApplication::translate("OpenedDocument", "%1 is beyond %2");
    record.Scale = used;
    return UsedInstead(why.arg(Stored(profile, "SCALE"), QString::number(used)),
                       QString::number(used));
}

// The record keeps the stored number's low byte; the file's own number decides.
std::optional<std::string> CorrectRotation(const ProfileFile& profile, DocumentRecord& record) {
    const int stored = profile.ReadInteger(kBarcode, "ROTATE", 0);
    if (stored >= 0 && stored <= 3) return std::nullopt;
    record.Rotation = 0;
    return UsedInstead(
        QCoreApplication::translate("OpenedDocument", "%1 is not a rotation of 0 to 3")
            .arg(Stored(profile, "ROTATE")),
        QStringLiteral("0"));
}

} // namespace

Corrections BringIntoRange(const ProfileFile& profile, DocumentRecord& record,
                           QChar decimalSeparator) {
    Corrections corrections;
    for (const ValueFault& fault : UndrawableFaults(profile, decimalSeparator))
        for (const Replacement& replacement : kReplacements)
            if (fault.key == replacement.key)
                corrections.push_back(UsedInstead(QString::fromStdString(fault.text),
                                                  QString::fromStdString(replacement.use(record))));
    for (auto correct : {CorrectScale, CorrectRotation})
        if (auto correction = correct(profile, record)) corrections.push_back(*correction);
    return corrections;
}

std::optional<OpenedDocument> ReadOpenedDocument(const QString& path, engine::Unit currentUnit,
                                                 QChar decimalSeparator) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    ProfileFile profile;
    switch (profile.Load(path)) {
    case ProfileFile::LoadResult::Missing:
        return std::nullopt;
    case ProfileFile::LoadResult::Unreadable:
        throw platform::ReadFailure(QString::fromStdString(name));
    case ProfileFile::LoadResult::Loaded:
        break;
    }
    RequireDocument(profile, name);
    OpenedDocument opened{ReadDocumentRecord(profile, currentUnit, decimalSeparator), {}};
    opened.corrections = BringIntoRange(profile, opened.record, decimalSeparator);
    return opened;
}

QString CorrectionsNote(const QString& path, const Corrections& corrections) {
    if (corrections.empty()) return {};
    QStringList parts;
    for (const std::string& correction : corrections)
        parts << QString::fromStdString(correction);
    return QFileInfo(path).fileName() + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

} // namespace app
