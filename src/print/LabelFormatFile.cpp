#include "print/LabelFormatFile.h"

#include "platform/Errors.h"

#include <QFileInfo>

namespace print {

app::LabelSheet LoadLabelFormat(const QString& path, QChar decimalSeparator) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    platform::ProfileFile profile;
    if (profile.Load(path) != platform::ProfileFile::LoadResult::Loaded)
        throw platform::Failure("Unable to read " + name);
    if (profile.HoldsNul() || !profile.HasSection(QStringLiteral("FORMAT")))
        throw platform::Failure(name + " is not a label format");
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
