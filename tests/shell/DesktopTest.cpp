#include "ClassesStore.h"
#include "shell/DesktopFiles.h"
#include "shell/DesktopIntegration.h"
#include "shell/FileAssociation.h"
#include "shell/MimeApps.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

struct ToolRun {
    int exitCode = -1;
    QString out;
};

ToolRun RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed() +
                                    QString::fromUtf8(process.readAllStandardError()).trimmed()};
}

// The user's data and configuration folders, and the system's data folder, in a temporary
// place for as long as it lives.
class TemporaryDesktop {
  public:
    TemporaryDesktop() {
        for (const auto& [variable, folder] : kFolders) {
            saved_.append(qEnvironmentVariableIsSet(variable) ? std::optional(qgetenv(variable))
                                                              : std::nullopt);
            QDir().mkpath(Path(folder));
            qputenv(variable, QFile::encodeName(Path(folder)));
        }
    }
    ~TemporaryDesktop() {
        for (qsizetype i = 0; i < saved_.size(); ++i)
            saved_[i] ? qputenv(kFolders[i].first, *saved_[i]) : qunsetenv(kFolders[i].first);
    }
    QString Path(const QString& relative) const { return root_.filePath(relative); }
    shell::DesktopPlaces Places() const { return shell::DesktopPlaces::Current(); }
    QString Default() const {
        return shell::DefaultApplication(ReadBytes(Path("config/mimeapps.list")), shell::kMimeType);
    }

  private:
    static constexpr std::pair<const char*, const char*> kFolders[] = {
        {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_DIRS", "system"}};
    QTemporaryDir root_;
    QList<std::optional<QByteArray>> saved_;
};

// The first start of the program (here the test program) ties .TLR files to it for the user.
TEST(Desktop, FirstStartAssociatesDocuments) {
    const TemporaryDesktop desktop;
    QString path;
    shell::AssociateDocuments(path);
    const QString program = QCoreApplication::applicationFilePath();
    EXPECT_TRUE(ReadBytes(desktop.Path("config/tallyrune/HKEY_CLASSES_ROOT.reg"))
                    .contains(program.toUtf8() + " \\\"%1\\\""));
    const QString entry = desktop.Path("data/applications/tallyrune.desktop");
    EXPECT_EQ(shell::EntryValue(ReadBytes(entry), "Exec"), program + " %f");

    for (const char* name : {"x.TLR", "x.tlr", "Label.Tlr"}) {
        WriteBytes(desktop.Path(name), "[BARCODE]\r\nTEXT=12345\r\n");
        EXPECT_EQ(RunTool("xdg-mime", {"query", "filetype", desktop.Path(name)}).out,
                  shell::kMimeType)
            << name;
        EXPECT_EQ(QMimeDatabase().mimeTypeForFile(desktop.Path(name)).name(), shell::kMimeType);
    }
    EXPECT_EQ(QMimeDatabase().mimeTypeForName(shell::kMimeType).comment(), "Tallyrune document");
    EXPECT_EQ(RunTool("xdg-mime", {"query", "default", shell::kMimeType}).out, "tallyrune.desktop");
    const ToolRun validation = RunTool("desktop-file-validate", {entry});
    EXPECT_EQ(validation.exitCode, 0) << validation.out.toStdString();
    EXPECT_EQ(validation.out, "");
}

TEST(Desktop, SyncWritesOnlyWhatIsMissingOrNamesAnotherCopy) {
    const QString entry = shell::kDesktopEntryPath;
    const QString icon = "icons/hicolor/scalable/apps/tallyrune.svg";
    struct Row {
        const char* name;
        std::function<void(const TemporaryDesktop&, const QString& program)> before;
        QStringList written;
        QString defaultApp = shell::kDesktopFileId;
    } rows[] = {
        {"a clean desktop",
         [](auto&, auto&) {},
         {entry, shell::kMimePackagePath, icon,
          "icons/hicolor/scalable/mimetypes/application-x-tallyrune.svg", "mimeapps.list"}},
        {"a second start writes nothing",
         [](auto& desktop, auto& program) { shell::SyncDesktop(program, desktop.Places()); },
         {}},
        {"an entry of another copy is replaced",
         [](auto& desktop, auto&) { shell::SyncDesktop("/elsewhere/tallyrune", desktop.Places()); },
         {entry}},
        {"a lost icon is put back",
         [&](auto& desktop, auto& program) {
             shell::SyncDesktop(program, desktop.Places());
             QFile::remove(desktop.Path("data/" + icon));
         },
         {icon}},
        {"the user's other default stays",
         [](auto& desktop, auto& program) {
             shell::SyncDesktop(program, desktop.Places());
             WriteBytes(desktop.Path("config/mimeapps.list"),
                        "[Default Applications]\napplication/x-tallyrune=other.desktop\n");
         },
         {},
         "other.desktop"},
        {"a packaged entry of this program serves",
         [](auto& desktop, auto& program) {
             QDir().mkpath(desktop.Path("system/applications"));
             WriteBytes(desktop.Path("system/applications/tallyrune.desktop"),
                        "[Desktop Entry]\nTryExec=" + program.toUtf8() + "\n");
         },
         {"mimeapps.list"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TemporaryDesktop desktop;
        const QString program = desktop.Path("tallyrune");
        WriteBytes(program, "#!/bin/sh\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        row.before(desktop, program);
        const shell::DesktopSync sync = shell::SyncDesktop(program, desktop.Places());
        EXPECT_EQ(sync.written, row.written);
        EXPECT_EQ(desktop.Default(), row.defaultApp);
        if (row.written.contains(entry)) {
            EXPECT_EQ(shell::EntryValue(ReadBytes(desktop.Path("data/" + entry)), "TryExec"),
                      program);
        }
    }
}

// Awkward program paths give entries that the freedesktop validator accepts.
TEST(Desktop, ExecLine) {
    const std::pair<QString, QString> rows[] = {
        {"/usr/bin/tallyrune", "/usr/bin/tallyrune %f"},
        {"/opt/My Apps/tallyrune", R"("/opt/My Apps/tallyrune" %f)"},
        {"/opt/100%/tallyrune", "/opt/100%%/tallyrune %f"},
        {R"(/opt/a$b"c`d/tallyrune)", R"("/opt/a\\$b\\"c\\`d/tallyrune" %f)"},
        {R"(/opt/back\slash/tallyrune)", R"("/opt/back\\\\slash/tallyrune" %f)"},
    };
    QTemporaryDir folder;
    for (const auto& [program, exec] : rows) {
        SCOPED_TRACE(program.toStdString());
        EXPECT_EQ(shell::ExecLine(program), exec);
        const QByteArray entry = shell::UserDesktopFiles(program).front().contents;
        EXPECT_EQ(shell::EntryValue(entry, "TryExec"), program);
        WriteBytes(folder.filePath("tallyrune.desktop"), entry);
        const ToolRun validation =
            RunTool("desktop-file-validate", {folder.filePath("tallyrune.desktop")});
        EXPECT_EQ(validation.exitCode, 0) << validation.out.toStdString();
    }
}

TEST(Desktop, MimeAppsDefault) {
    const QString id = "tallyrune.desktop";
    const QString type = "application/x-tallyrune";
    const QString line = type + "=" + id;
    const std::pair<QString, QString> rows[] = {
        {"", "[Default Applications]\n" + line + "\n"},
        {"[Default Applications]\ntext/plain=ed.desktop\n\n[Added Associations]\nx=y\n",
         "[Default Applications]\ntext/plain=ed.desktop\n" + line +
             "\n\n[Added Associations]\nx=y\n"},
        {"[Default Applications]\n" + type + "=other.desktop;more.desktop;\n",
         "[Default Applications]\n" + line + "\n"},
        {"[Added Associations]\n" + type + "=other.desktop\n",
         "[Added Associations]\n" + type + "=other.desktop\n\n[Default Applications]\n" + line +
             "\n"},
    };
    for (const auto& [before, after] : rows) {
        SCOPED_TRACE(before.toStdString());
        EXPECT_EQ(QString::fromUtf8(shell::WithDefaultApplication(before.toUtf8(), type, id)),
                  after);
        EXPECT_EQ(shell::DefaultApplication(after.toUtf8(), type), id);
    }
    EXPECT_EQ(shell::DefaultApplication(rows[2].first.toUtf8(), type), "other.desktop");
    EXPECT_EQ(shell::DefaultApplication(rows[3].first.toUtf8(), type), "");
}

} // namespace
