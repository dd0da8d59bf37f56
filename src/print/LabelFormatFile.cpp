#include "print/LabelFormatFile.h"

#include "platform/Errors.h"

namespace print {
namespace {

const QString kSection = QStringLiteral("FORMAT");

struct LengthKey {
    const char* key;
    double LabelSheet::*member;
};
// The file's order.
constexpr LengthKey kLengthKeys[] = {
    {"HEIGHT", &LabelSheet::LabelHeight},  {"WIDTH", &LabelSheet::LabelWidth},
    {"TOPMARGIN", &LabelSheet::MarginTop}, {"LEFTMARGIN", &LabelSheet::MarginLeft},
    {"GAPHEIGHT", &LabelSheet::GapHeight}, {"GAPWIDTH", &LabelSheet::GapWidth},
};
const QString kMetricKey = QStringLiteral("METRIC");

} // namespace

LabelSheet ReadFormatSection(const platform::ProfileFile& profile, QChar decimalSeparator) {
    LabelSheet sheet = kLabelFormatDefaults;
    for (const LengthKey& k : kLengthKeys)
        sheet.*k.member = profile.ReadReal(kSection, QLatin1String(k.key),
                                           kLabelFormatDefaults.*k.member, decimalSeparator);
    sheet.MetricLabel = profile.ReadBool(kSection, kMetricKey, kLabelFormatDefaults.MetricLabel);
    return sheet;
}

void WriteFormatSection(platform::ProfileFile& profile, const LabelSheet& sheet,
                        QChar decimalSeparator) {
    for (const LengthKey& k : kLengthKeys)
        profile.WriteReal(kSection, QLatin1String(k.key), sheet.*k.member, decimalSeparator);
    profile.WriteBool(kSection, kMetricKey, sheet.MetricLabel);
}

LabelSheet LoadLabelFormat(const QString& path, QChar decimalSeparator) {
    platform::ProfileFile profile;
    profile.Load(path); // a file that cannot be read leaves the profile empty: all defaults
    return ReadFormatSection(profile, decimalSeparator);
}

void SaveLabelFormat(const QString& path, const LabelSheet& sheet, QChar decimalSeparator) {
    platform::ProfileFile profile;
    if (profile.Load(path) == platform::ProfileFile::LoadResult::Unreadable)
        throw platform::WriteFailure(path.toStdString());
    WriteFormatSection(profile, sheet, decimalSeparator);
    profile.Save(path);
}

} // namespace print
