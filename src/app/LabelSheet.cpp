#include "app/LabelSheet.h"

namespace app {
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
const QString kRollKey = QStringLiteral("ROLL");

} // namespace

LabelSheet ReadFormatSection(const platform::ProfileFile& profile, QChar decimalSeparator) {
    LabelSheet sheet = kLabelFormatDefaults;
    for (const LengthKey& k : kLengthKeys)
        sheet.*k.member = profile.ReadReal(kSection, QLatin1String(k.key),
                                           kLabelFormatDefaults.*k.member, decimalSeparator);
    sheet.Unit = engine::UnitFromMetricFlag(
        profile.ReadBool(kSection, kMetricKey, engine::MetricFlagOf(kLabelFormatDefaults.Unit)));
    sheet.Feed = profile.ReadBool(kSection, kRollKey, false) ? LabelFeed::Roll : LabelFeed::Sheet;
    return sheet;
}

void WriteFormatSection(platform::ProfileFile& profile, const LabelSheet& sheet,
                        QChar decimalSeparator) {
    for (const LengthKey& k : kLengthKeys)
        profile.WriteReal(kSection, QLatin1String(k.key), sheet.*k.member, decimalSeparator);
    profile.WriteBool(kSection, kMetricKey, engine::MetricFlagOf(sheet.Unit));
    if (IsRoll(sheet) || profile.HasKey(kSection, kRollKey))
        profile.WriteBool(kSection, kRollKey, IsRoll(sheet));
}

LabelSheet RollSheet(double width, double height, engine::Unit unit) {
    return {height, width, 0.0, 0.0, 0.0, 0.0, unit, LabelFeed::Roll};
}

} // namespace app
