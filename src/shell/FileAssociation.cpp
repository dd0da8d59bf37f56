#include "shell/FileAssociation.h"

#include "shell/DesktopIntegration.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace shell {

std::unique_ptr<TFileAssociate> CreateFileAssociation(const QString& programPath,
                                                      RegistrySource registry, QObject* owner) {
    auto association = std::make_unique<TFileAssociate>(std::move(registry), owner);
    association->KeyName = QStringLiteral("Tallyrune");
    association->PathToApp = programPath;
    association->IconPath = programPath;
    association->Icon = 0;
    association->ShellCmd = QStringLiteral("Open");
    association->Shell = programPath + QStringLiteral(" \"%1\"");
    association->TypeName = QStringLiteral("Tallyrune document");
    association->ShowInNew = false;
    association->QuickView = true;
    return association;
}

QString ProgramFolder(const QString& programPath) {
    const QString folder = QFileInfo(programPath).path();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void AssociateDocuments(TFileAssociate& association, QString& recordedPath) {
    if (!association.Registry().Open().KeyExists(association.KeyName)) association.WriteTypeKey();
    const QStringList associated = association.AssociatedExtensions();
    association.Icon = 1; // the documents' icon
    const QString extension = QStringLiteral(".TLR");
    if (!associated.contains(extension, Qt::CaseInsensitive)) {
        association.AssociateExtension(extension);
        return;
    }
    const QString folder = ProgramFolder(association.PathToApp);
    if (recordedPath != folder) {
        association.AssociateExtension(extension);
        recordedPath = folder;
    }
}

void AssociateDocuments(QString& recordedPath) noexcept {
    try {
        QCoreApplication* application = QCoreApplication::instance();
        if (application == nullptr) return;
        const QString program = QCoreApplication::applicationFilePath();
        bool desktopDone = false;
        const auto tellDesktop = [&] {
            SyncDesktop(program, DesktopPlaces::Current());
            desktopDone = true;
        };
        try {
            const auto association = CreateFileAssociation(program, {}, application);
            QObject::connect(association.get(), &TFileAssociate::AssociationsChanged, tellDesktop);
            AssociateDocuments(*association, recordedPath);
        } catch (const std::exception&) {
            // The registry keeps what was written before the failure; start-up goes on.
        }
        if (!desktopDone) tellDesktop();
    } catch (...) {
        // Nothing here may stop the designer from starting.
    }
}

} // namespace shell
