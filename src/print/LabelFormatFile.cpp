#include "print/LabelFormatFile.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace print {

app::LabelSheet LoadLabelFormat(const QString& path, QChar decimalSeparator) {
    const QString name = QFileInfo(path).fileName();
    platform::ProfileFile profile;
    if (profile.Load(path) != platform::ProfileFile::LoadResult::Loaded)
        throw platform::ReadFailure(name);
    if (profile.HoldsNul() || !profile.HasSection(QStringLiteral("FORMAT")))
        throw platform::Failure(
            QCoreApplication::translate("LabelFormatFile", "%1 is not a label format").arg(name));
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
