#include "app/DrawableDocument.h"

#include "engine/Symbology.h"
#include "engine/Units.h"
#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {
namespace {

using platform::ProfileFile;

const QString kBarcode = QStringLiteral("BARCODE");

struct ValueRule {
    const char* key;
    const char* fault;                                            // of "KEY=value", as %1
    bool (*drawable)(const ProfileFile&, const char* key, QChar); // the stored value can be drawn
};

bool KnownType(const ProfileFile& p, const char* key, QChar) {
    const int type = p.ReadInteger(kBarcode, key, -1);
    return type >= 0 && type < engine::kSymbologyCount;
}

// In the file's own unit: a file without METRIC is read in inches here, the stricter case.
// A value that this machine's separator cannot read is tried with a point, as files written
// elsewhere hold it; one that neither reads is no number.
bool DrawableHeight(const ProfileFile& p, const char* key, QChar separator) {
    constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();
    double height = p.ReadReal(kBarcode, key, kNoNumber, separator);
    if (std::isnan(height)) height = p.ReadReal(kBarcode, key, kNoNumber, QLatin1Char('.'));
    const engine::Unit unit = engine::UnitFromMetricFlag(p.ReadBool(kBarcode, "METRIC", false));
    const double least = unit == engine::Unit::Centimetre
                             ? engine::InchesToCentimetres(kMinBarHeightInches)
                             : kMinBarHeightInches;
    return std::isfinite(height) && height >= least;
}

constexpr ValueRule kRules[] = {
    {"TYPE", QT_TRANSLATE_NOOP("DrawableDocument", "%1 is not a barcode type"), KnownType},
    {"HEIGHT",
     QT_TRANSLATE_NOOP("DrawableDocument",
                       "%1 is not a bar height of at least 0.001 in (0.00254 cm)"),
     DrawableHeight},
};

const QString kSections[] = {QStringLiteral("BARCODE"), QStringLiteral("SEQUENCE"),
                             QStringLiteral("FORMAT")};

bool HasDocumentSection(const ProfileFile& profile) {
    for (const QString& section : kSections)
        if (profile.HasSection(section)) return true;
    return false;
}

} // namespace

std::vector<ValueFault> UndrawableFaults(const ProfileFile& profile, QChar decimalSeparator,
                                         const std::vector<std::string>& replaced) {
    std::vector<ValueFault> faults;
    for (const ValueRule& rule : kRules) {
        if (std::find(replaced.begin(), replaced.end(), rule.key) != replaced.end() ||
            !profile.HasKey(kBarcode, rule.key) ||
            rule.drawable(profile, rule.key, decimalSeparator))
            continue;
        const QString stored = profile.ReadString(kBarcode, rule.key);
        const QString keyValue = QString::fromLatin1(rule.key) + QLatin1Char('=') + stored;
        faults.push_back({rule.key, QCoreApplication::translate("DrawableDocument", rule.fault)
                                        .arg(keyValue)
                                        .toStdString()});
    }
    return faults;
}

std::vector<std::string> UndrawableValues(const ProfileFile& profile, QChar decimalSeparator,
                                          const std::vector<std::string>& replaced) {
    std::vector<std::string> texts;
    for (ValueFault& fault : UndrawableFaults(profile, decimalSeparator, replaced))
        texts.push_back(std::move(fault.text));
    return texts;
}

void RequireDocument(const ProfileFile& profile, const std::string& name) {
    if (profile.HoldsNul() || (!profile.Blank() && !HasDocumentSection(profile)))
        throw platform::Failure(
            QCoreApplication::translate("DrawableDocument", "%1 is not a Tallyrune document")
                .arg(QString::fromStdString(name)));
}

DocumentRecord ReadDrawableDocument(const QString& path, engine::Unit currentUnit,
                                    QChar decimalSeparator,
                                    const std::vector<std::string>& replaced) {
    ProfileFile profile;
    if (profile.Load(path) != ProfileFile::LoadResult::Loaded) throw platform::ReadFailure(path);
    RequireDocument(profile, path.toStdString());
    const std::vector<std::string> faults = UndrawableValues(profile, decimalSeparator, replaced);
    if (!faults.empty()) throw platform::Failure(path.toStdString() + ": " + faults.front());
    return ReadDocumentRecord(profile, currentUnit, decimalSeparator);
}

} // namespace app
