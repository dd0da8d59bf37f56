#include "print/LabelFormatFile.h"

#include "platform/Errors.h"

namespace print {

app::LabelSheet LoadLabelFormat(const QString& path, QChar decimalSeparator) {
    platform::ProfileFile profile;
    profile.Load(path); // a file that cannot be read leaves the profile empty: all defaults
    return app::ReadFormatSection(profile, decimalSeparator);
}

void SaveLabelFormat(const QString& path, const app::LabelSheet& sheet, QChar decimalSeparator) {
    platform::ProfileFile profile;
    if (profile.Load(path) == platform::ProfileFile::LoadResult::Unreadable)
        throw platform::WriteFailure(path.toStdString());
    app::WriteFormatSection(profile, sheet, decimalSeparator);
    profile.Save(path);
}

} // namespace print
