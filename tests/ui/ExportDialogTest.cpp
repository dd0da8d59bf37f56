// The export dialog driven as a user does, through the main window's Export command: its
// first-run state, the file name's extension following the format, the spin buttons' limits, the
// mils label, a picture written and read back, and the choices kept for the next run.

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "export/ExportSettings.h"
#include "platform/NumberFormat.h"
#include "support/Decode.h"
#include "support/TestFiles.h"
#include "ui/DialogCommands.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using dialog_testing::Child;

class ExportDialog : public ::testing::Test {
  protected:
    ExportDialog() {
        platform::Registry registry;
        exporting::LoadExportSettings(registry, state.Export); // as the main window does
        dialog_testing::UseLetterPdf(state, dir.filePath("out.pdf"));
        state.Metrics.ScreenDpiX = state.Metrics.ScreenDpiY = 96;
        document.SetBarcodeText("HELLO");
        document.SetBarHeight(0.5);
        document.SetFileName(QStringLiteral("barcode_1"));
    }
    // Runs the Export command with `steps` inside the dialog; they close it.
    void Export(const std::function<void(QWidget&)>& steps) {
        dialog_testing::WhenModal("TFSaveBarcode", steps);
        commands->Export(document);
    }
    static QString Text(QWidget& dialog, const char* name) {
        if (auto* box = dialog.findChild<QLineEdit*>(name)) return box->text();
        if (auto* label = dialog.findChild<QLabel*>(name)) return label->text();
        return Child<QAbstractButton>(dialog, name)->text();
    }
    static bool Checked(QWidget& dialog, const char* name) {
        return Child<QAbstractButton>(dialog, name)->isChecked();
    }
    static void Close(QWidget& dialog) { Child<QPushButton>(dialog, "CancelBtn")->click(); }

    dialog_testing::PrivateSettingsStore store;
    QTemporaryDir dir;
    ui::AppState state;
    app::BarcodeDocument document{state.Metrics, engine::Unit::Inch, app::LabelSheet{}};
    QWidget mainWindow;
    std::unique_ptr<ui::DialogCommands> commands =
        std::make_unique<ui::DialogCommands>(mainWindow, state);
};

TEST_F(ExportDialog, FirstRunStateAndCaptions) {
    Export([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Export Barcode Graphic");
        EXPECT_TRUE(Checked(dialog, "rbScreenDPI"));
        EXPECT_EQ(Text(dialog, "eDPI"), "300");
        EXPECT_TRUE(Checked(dialog, "rbAutoSize"));
        EXPECT_EQ(Text(dialog, "rbAutoSize"), "&Auto Size (10.0 mils)");
        EXPECT_EQ(Text(dialog, "eScale"), "8");
        EXPECT_TRUE(Checked(dialog, "rgFormatItem0"));
        EXPECT_EQ(Text(dialog, "rgFormatItem0"), "Bitmap");
        EXPECT_EQ(Text(dialog, "rgFormatItem4"), "EMF - Window's Enhanced Meta File");
        EXPECT_EQ(Text(dialog, "rgFormatItem7"), "PDF - Portable Document Format");
        EXPECT_EQ(Text(dialog, "rbPrinterDPI"), "Printer DPI (600)");
        EXPECT_EQ(Text(dialog, "eFileName"), "barcode_1.bmp");
        EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber("83.3 mils"))
            << "8 dots at 96 dpi";
        Close(dialog);
    });
}

// Tab follows the layout: the width, the format group (one stop, the chosen format), then the
// file name and the buttons; Shift+Tab goes back the same way.
TEST_F(ExportDialog, TabReachesTheFormatBeforeTheButtons) {
    Export([](QWidget& dialog) {
        const char* order[] = {"eScale", "rgFormatItem0", "eFileName", "BitBtn1", "SaveBtn"};
        const auto focused = [] { return QApplication::focusWidget()->objectName().toStdString(); };
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
            Child<QWidget>(dialog, order[i])->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(focused(), order[i + 1]) << "Tab from " << order[i];
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            EXPECT_EQ(focused(), order[i]) << "Shift+Tab from " << order[i + 1];
        }
        Close(dialog);
    });
}

TEST_F(ExportDialog, ExtensionFollowsTheFormat) {
    const struct {
        int item;
        const char* name;
    } cases[] = {{2, "barcode_1.tif"}, {1, "barcode_1.jpg"}, {3, "barcode_1.wmf"},
                 {5, "barcode_1.png"}, {6, "barcode_1.svg"}, {7, "barcode_1.pdf"},
                 {0, "barcode_1.bmp"}};
    Export([&](QWidget& dialog) {
        for (const auto& c : cases) {
            Child<QRadioButton>(dialog, qPrintable(QStringLiteral("rgFormatItem%1").arg(c.item)))
                ->click();
            EXPECT_EQ(Text(dialog, "eFileName"), c.name);
        }
        Close(dialog);
    });
    document.SetFileName(dir.filePath("label.TLR"));
    Export([&](QWidget& dialog) {
        EXPECT_EQ(Text(dialog, "eFileName"), dir.filePath("label.bmp"));
        Close(dialog);
    });
}

TEST_F(ExportDialog, SpinButtonsStopAtTheirLimitsAndRefreshTheMils) {
    const struct {
        const char* box;
        const char* spin;
        const char* typed;
        const char* arrow;
        const char* shown;
    } cases[] = {
        {"eScale", "SpinButtonScale", "100", "UpButton", "100"},
        {"eScale", "SpinButtonScale", "150", "UpButton", "100"},
        {"eScale", "SpinButtonScale", "1", "DownButton", "1"},
        {"eScale", "SpinButtonScale", "8", "DownButton", "7"},
        {"eDPI", "SpinButtonDPI", "99999", "UpButton", "99999"},
        {"eDPI", "SpinButtonDPI", "1", "DownButton", "1"},
        {"eDPI", "SpinButtonDPI", "299", "UpButton", "300"},
    };
    Export([&](QWidget& dialog) {
        Child<QRadioButton>(dialog, "rbOtherDPI")->click();
        for (const auto& c : cases) {
            dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, c.box), c.typed);
            Child<QToolButton>(*Child<QWidget>(dialog, c.spin), c.arrow)->click();
            EXPECT_EQ(Text(dialog, c.box), c.shown) << c.box << " " << c.typed << " " << c.arrow;
        }
        EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber("23.3 mils"))
            << "7 dots at 300 dpi";
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eScale"), "16");
        EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber("53.3 mils"))
            << "16 dots typed at 300 dpi";
        Child<QRadioButton>(dialog, "rbScreenDPI")->click();
        EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber("166.7 mils"))
            << "16 dots at 96 dpi";
        Close(dialog);
    });
}

// Each row acts on the state the rows above left: 8 dots at 300 dpi to begin with.
TEST_F(ExportDialog, MilsFollowEveryTypedOrSpunWidthAndResolution) {
    const struct {
        const char* box; // typed into, or the spin button pressed
        const char* typed;
        const char* arrow;
        const char* mils;
    } cases[] = {
        {"eScale", "3", nullptr, "10.0 mils"},
        {"eDPI", "600", nullptr, "5.0 mils"},
        {"SpinButtonScale", nullptr, "UpButton", "6.7 mils"},     // 4 dots
        {"SpinButtonDPI", nullptr, "DownButton", "6.7 mils"},     // at 599
        {"eScale", "12", nullptr, "20.0 mils"},                   // at 599
        {"eDPI", "96", nullptr, "125.0 mils"},                    // 12 dots
        {"SpinButtonScale", nullptr, "DownButton", "114.6 mils"}, // 11 dots
    };
    Export([&](QWidget& dialog) {
        Child<QRadioButton>(dialog, "rbOtherDPI")->click();
        for (const auto& c : cases) {
            if (c.typed)
                dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, c.box), c.typed);
            else
                Child<QToolButton>(*Child<QWidget>(dialog, c.box), c.arrow)->click();
            EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber(c.mils))
                << c.box << " " << (c.typed ? c.typed : c.arrow);
        }
        Close(dialog);
    });
}

TEST_F(ExportDialog, SaveWritesAReadablePictureAndTheChoicesOutliveTheProgram) {
    const QString target = dir.filePath("picture");
    Export([&](QWidget& dialog) {
        Child<QRadioButton>(dialog, "rgFormatItem5")->click(); // PNG
        Child<QRadioButton>(dialog, "rbOtherDPI")->click();
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eFileName"), target);
        Child<QPushButton>(dialog, "SaveBtn")->click();
    });
    const QImage picture(target + ".png");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.height(), 150) << "0.5 inch at 300 dpi";
    EXPECT_EQ(testing_support::DecodeImage(picture, ZXing::BarcodeFormat::Code128).text, "HELLO");
    commands.reset(); // program end
    exporting::ExportSettings stored;
    platform::Registry registry;
    exporting::LoadExportSettings(registry, stored);
    EXPECT_EQ(stored.Format, 5);
    EXPECT_EQ(stored.DpiType, exporting::DpiKind::Other);
    EXPECT_EQ(stored.DpiText, "300");
}

TEST_F(ExportDialog, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
    const QString target = dir.filePath("picture.png");
    QStringList statuses;
    commands->SetStatusPanel([&](const QString& text) { statuses << text; });
    const struct {
        QMessageBox::StandardButton answer;
        bool replaced; // and the dialog closed
    } cases[] = {{QMessageBox::No, false}, {QMessageBox::Yes, true}};
    for (const auto& c : cases) {
        testing_support::WriteBytes(target, "OLD");
        Export([&](QWidget& dialog) {
            Child<QRadioButton>(dialog, "rgFormatItem5")->click(); // PNG
            dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eFileName"), target);
            dialog_testing::WhenModal("ReplaceQuestion", [&](QWidget& box) {
                static_cast<QMessageBox&>(box).button(c.answer)->click();
            });
            Child<QPushButton>(dialog, "SaveBtn")->click();
            EXPECT_EQ(dialog.isVisible(), !c.replaced) << "answer " << c.answer;
            if (dialog.isVisible()) Close(dialog);
        });
        EXPECT_EQ(QImage(target).isNull(), !c.replaced) << "answer " << c.answer;
        EXPECT_EQ(statuses.size(), c.replaced ? 1 : 0) << "answer " << c.answer;
    }
    EXPECT_EQ(statuses.value(0), "Exported to " + QDir::toNativeSeparators(target));
}

TEST_F(ExportDialog, AFailedWriteIsShownAndTheDialogStaysOpenWithItsValues) {
    const QString target = dir.filePath("no folder/picture.png");
    QStringList statuses;
    commands->SetStatusPanel([&](const QString& text) { statuses << text; });
    const dialog_testing::MessageCatcher messages;
    Export([&](QWidget& dialog) {
        Child<QRadioButton>(dialog, "rgFormatItem5")->click(); // PNG
        Child<QRadioButton>(dialog, "rbOtherDPI")->click();
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eScale"), "5");
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eFileName"), target);
        Child<QPushButton>(dialog, "SaveBtn")->click();
        EXPECT_EQ(messages.Texts().size(), 1);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Text(dialog, "eFileName"), target);
        EXPECT_EQ(Text(dialog, "eScale"), "5");
        EXPECT_TRUE(Checked(dialog, "rbOtherDPI"));
        Close(dialog);
    });
    EXPECT_TRUE(statuses.isEmpty());
}

} // namespace
