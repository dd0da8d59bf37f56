// The designer's writes under a full disk or an input/output error at each call of the write
// in turn: the document (Save, Save As), the label format (label settings), the exported
// picture (export dialog), and the registry file (settings at exit, the file association at
// start). The earlier file survives byte for byte or the new one is whole, no temporary file
// stays, and the user sees the failure's message box; the registry is written silently.
// This program runs with the fault library preloaded and arms it just before each write.

#include "FaultRun.h"

#include "../ui/MainWindowFixture.h"
#include "platform/Registry.h"
#include "shell/FileAssociate.h"
#include "shell/DesktopIntegration.h"
#include "shell/FileAssociation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using dialog_testing::Child;
using dialog_testing::ChooseFileIn;
using dialog_testing::WhenModal;
using fault_testing::Fault;
using fault_testing::FaultFolder;
using fault_testing::FilesIn;
using fault_testing::FolderFiles;

// While it lives, answers Yes to every question (replacing a file) and keeps and closes every
// failure's message box.
class MessageBoxes {
  public:
    MessageBoxes() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) return yes->click();
            shown << box->text();
            box->done(QMessageBox::Ok);
        });
        timer_.start(20);
    }
    QStringList shown;

  private:
    QTimer timer_;
};

class WindowWriteFaults;

// Where a writer's files are: the test folder, the settings store's folder, or the user's
// configuration folder with the data folder inside it (the desktop's files).
enum class Place { TestFolder, Settings, ConfigHome };

struct WindowWriter {
    const char* name;
    Place place;
    const char* target; // the file that the write changes, in its place
    // Makes the earlier file and starts the window, unarmed.
    std::function<void(WindowWriteFaults&)> prepare;
    // The write, armed.
    std::function<void(WindowWriteFaults&, const QString& target)> write;
    // The messages a failure may show; none: the write reports nothing.
    std::function<QStringList(const QString& target)> messages;
};

void PrintTo(const WindowWriter& writer, std::ostream* out) {
    *out << writer.name;
}

class WindowWriteFaults : public window_testing::MainWindowTest,
                          public ::testing::WithParamInterface<WindowWriter> {
  public:
    using MainWindowTest::Action;
    using MainWindowTest::Close;
    using MainWindowTest::Start;
    ui::AppState& State() { return *state; }
    QString TestFile(const QString& name) const { return folder->filePath(name); }

    void PutEarlier(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

  protected:
    // The association's case moves the desktop's data folder; each case starts where it was.
    void TearDown() override {
        MainWindowTest::TearDown();
        qputenv("XDG_DATA_HOME", dataHome_);
    }

    QString Folder() const {
        switch (GetParam().place) {
        case Place::TestFolder:
            return folder->path();
        case Place::Settings:
            return QDir::cleanPath(platform::Registry::DefaultFolder());
        default:
            return qEnvironmentVariable("XDG_CONFIG_HOME");
        }
    }

    struct Outcome {
        std::vector<fault_testing::Call> calls;
        QStringList shown;
        FolderFiles before, after;
    };

    // A fresh window and folder, prepared, then the write with call `at` failing (0: none).
    Outcome Write(long at, Fault fault) {
        TearDown();
        SetUp();
        GetParam().prepare(*this);
        Outcome outcome;
        outcome.before = FilesIn(Folder());
        const QString target = QDir(Folder()).filePath(GetParam().target);
        MessageBoxes boxes;
        faults_.Watch(Folder());
        faults_.ArmHere(at, fault);
        GetParam().write(*this, target);
        FaultFolder::DisarmHere();
        outcome.calls = faults_.TakeCalls();
        outcome.shown = boxes.shown;
        outcome.after = FilesIn(Folder());
        return outcome;
    }

    FaultFolder faults_;
    const QByteArray dataHome_ = qgetenv("XDG_DATA_HOME");
};

TEST_P(WindowWriteFaults, AFullDiskOrAnInputOutputErrorAtAnyCall) {
    ASSERT_TRUE(fault_testing::FaultLibraryLoaded())
        << "run under LD_PRELOAD=" << TALLYRUNE_FAULT_SHIM;
    const Outcome whole = Write(0, Fault::NoSpace);
    ASSERT_TRUE(whole.shown.isEmpty()) << whole.shown.join('\n').toStdString();
    ASSERT_GE(whole.calls.size(), 3u) << "opened, written and put in place";
    RecordProperty("calls", int(whole.calls.size()));
    const QString name = GetParam().target;
    ASSERT_NE(whole.after.value(name), whole.before.value(name)) << "the write changes the file";
    for (Fault fault : {Fault::NoSpace, Fault::InputOutput})
        for (long at = 1; at <= long(whole.calls.size()); ++at) {
            const Outcome run = Write(at, fault);
            const QString target = QDir(Folder()).filePath(name);
            ASSERT_GE(long(run.calls.size()), at) << "call " << at << " not reached";
            const fault_testing::Call& struck = run.calls[std::size_t(at - 1)];
            const std::string context = QString("%1 at call %2 (%3 %4)")
                                            .arg(fault_testing::FaultName(fault))
                                            .arg(at)
                                            .arg(struck.name, struck.path)
                                            .toStdString();
            // Each file as it was or as a whole write leaves it, and no other file.
            bool earlier = true;
            for (const QString& file : run.after.keys() + run.before.keys()) {
                const bool kept = run.after.value(file) == run.before.value(file) &&
                                  run.after.contains(file) == run.before.contains(file);
                const bool complete = run.after.contains(file) == whole.after.contains(file) &&
                                      run.after.value(file) == whole.after.value(file);
                EXPECT_TRUE(kept || complete) << context << ": " << file.toStdString();
                earlier = earlier && kept;
            }
            const QStringList messages = GetParam().messages(target);
            if (messages.isEmpty()) {
                EXPECT_TRUE(run.shown.isEmpty()) << context;
            } else if (!run.shown.isEmpty() || fault_testing::PutsBytes(struck)) {
                ASSERT_EQ(run.shown.size(), 1) << context << run.shown.join('\n').toStdString();
                EXPECT_TRUE(messages.contains(run.shown.front()))
                    << context << ": " << run.shown.front().toStdString();
                EXPECT_TRUE(earlier) << context;
            }
        }
}

QStringList Unable(const QString& target) {
    return {"Unable to write to " + target};
}

QStringList UnableOrUnabled(const QString& target) {
    return {"Unable to write to " + target, "Unabled to Save to \"" + target + "\""};
}

QStringList Silent(const QString&) {
    return {};
}

void StartWithEarlier(WindowWriteFaults& test, const QString& name) {
    test.PutEarlier(test.TestFile(name), "earlier " + name.toLatin1());
    test.Start();
}

// Save and Save As: the save dialog, then the question whether to replace the earlier file.
std::function<void(WindowWriteFaults&, const QString&)> SaveWith(const char* action) {
    return [action](WindowWriteFaults& test, const QString& target) {
        WhenModal("SaveBarcodeDialog", [target](QWidget& d) { ChooseFileIn(d, target); });
        test.Action(action).trigger();
    };
}

// Export: replacing the earlier file, then closing the dialog that a failed write leaves open.
void ExportAs(WindowWriteFaults& test, const QString& target, const char* formatItem) {
    WhenModal("TFSaveBarcode", [&](QWidget& dialog) {
        Child<QRadioButton>(dialog, formatItem)->click();
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eFileName"), target);
        WhenModal("ReplaceQuestion", [](QWidget& box) {
            static_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click();
        });
        Child<QPushButton>(dialog, "SaveBtn")->click();
        if (dialog.isVisible()) Child<QPushButton>(dialog, "CancelBtn")->click();
    });
    test.Action("acExport").trigger();
}

void SaveLabelFormat(WindowWriteFaults& test, const QString& target) {
    WhenModal("TFLabelSettings", [&](QWidget& dialog) {
        WhenModal("SaveDialog", [&](QWidget& d) { ChooseFileIn(d, target); });
        Child<QPushButton>(dialog, "SaveBtn")->click();
        Child<QPushButton>(dialog, "BitBtn2")->click();
    });
    test.Action("miLabelSettings").trigger();
}

// The settings at exit: an earlier run left them with another label width.
void StartWithEarlierSettings(WindowWriteFaults& test) {
    test.Start();
    test.State().Settings.Labels.LabelWidth = 3.0;
    test.Close();
    test.Start();
    test.State().Settings.Labels.LabelWidth = 4.0;
}

// The association at start: an earlier one made for a program elsewhere, in the registry and
// on the desktop (the data folder inside the configuration folder, to be watched with it).
void EarlierAssociation(WindowWriteFaults&) {
    const QString elsewhere = "/elsewhere/tallyrune";
    const auto association = shell::CreateFileAssociation(elsewhere, {}, nullptr);
    QString recorded;
    shell::AssociateDocuments(*association, recorded);
    qputenv("XDG_DATA_HOME", qgetenv("XDG_CONFIG_HOME") + "/data");
    shell::SyncDesktop(elsewhere, shell::DesktopPlaces::Current());
}

const WindowWriter kWriters[] = {
    {"Save", Place::TestFolder, "doc.tlr", [](auto& t) { StartWithEarlier(t, "doc.tlr"); }, SaveWith("acSave"),
     Unable},
    {"SaveAs", Place::TestFolder, "doc.tlr", [](auto& t) { StartWithEarlier(t, "doc.tlr"); },
     SaveWith("acSaveAs"), Unable},
    {"LabelFormat", Place::TestFolder, "sheet.fmt", [](auto& t) { StartWithEarlier(t, "sheet.fmt"); },
     SaveLabelFormat, Unable},
    {"ExportPng", Place::TestFolder, "picture.png", [](auto& t) { StartWithEarlier(t, "picture.png"); },
     [](auto& t, const QString& target) { ExportAs(t, target, "rgFormatItem5"); }, UnableOrUnabled},
    {"ExportSvg", Place::TestFolder, "picture.svg", [](auto& t) { StartWithEarlier(t, "picture.svg"); },
     [](auto& t, const QString& target) { ExportAs(t, target, "rgFormatItem6"); }, Unable},
    {"SettingsAtExit", Place::Settings, "HKEY_CURRENT_USER.reg", StartWithEarlierSettings,
     [](auto& t, const QString&) { t.Close(); }, Silent},
    {"AssociationAtStart", Place::ConfigHome, "tallyrune/HKEY_CLASSES_ROOT.reg", EarlierAssociation,
     [](auto& t, const QString&) { t.Start(); }, Silent},
};

INSTANTIATE_TEST_SUITE_P(EveryWindowWriter, WindowWriteFaults, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
