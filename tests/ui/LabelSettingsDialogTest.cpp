// The label settings dialog driven as a user does: the boxes' minimums and messages, the unit
// switch, the read-outs following the boxes, import and export of label format files, the
// current sheet changing only on "&Ok" or an import, and makers' sheets chosen by search or
// imported from gLabels template files.

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "platform/NumberFormat.h"
#include "print/LabelFormatFile.h"
#include "print/LabelTemplateCatalogue.h"
#include "print/GlabelsTemplates.h"
#include "print/UserTemplates.h"
#include "ui/TFLabelSettings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using dialog_testing::Child;

class LabelSettingsDialog : public ::testing::Test {
  protected:
    LabelSettingsDialog() {
        dialog_testing::UseLetterPdf(state, dir.filePath("out.pdf"));
        state.Settings.Labels = {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
    }
    void Open() { ASSERT_TRUE(dialog_testing::ShowActive(dialog)); }
    QString Text(const char* box) const { return Child<QLineEdit>(dialog, box)->text(); }
    QStringList Boxes() const {
        QStringList texts;
        for (const char* box : {"Edit3", "Edit4", "Edit1", "Edit2", "Edit5", "Edit6"})
            texts << Text(box);
        return texts;
    }
    void Click(const char* name) { Child<QAbstractButton>(dialog, name)->click(); }

    QTemporaryDir dir;
    ui::AppState state;
    ui::TFLabelSettings dialog{nullptr, state};
};

TEST_F(LabelSettingsDialog, LeavingABoxRewritesItAndRefusesTooSmallLabels) {
    const struct {
        bool centimetres;
        const char* box;
        const char* typed;
        const char* shown;
        const char* message;
    } cases[] = {
        {false, "Edit3", "0.04", "0.25", "Minimum label height is 0.05\" tall!"},
        {true, "Edit3", "0.09", "1.0", "Minimum label height is 0.10 centimeter tall!"},
        {false, "Edit4", "0.04", "0.25", "Minimum label width is 0.05\" wide!"},
        {false, "Edit3", "1.2345678", "1.23456", nullptr}, // seven characters fit
        {true, "Edit4", "", "1.0", nullptr}, // no number: the default, without a message
        {false, "Edit1", "-0.5", "-0.5", nullptr},
    };
    Open();
    for (const auto& c : cases) {
        Click(c.centimetres ? "RadioButton2" : "RadioButton1");
        dialog_testing::MessageCatcher messages;
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, c.box),
                                     dialog_testing::LocalNumber(c.typed));
        EXPECT_EQ(Text(c.box), dialog_testing::LocalNumber(c.shown)) << c.box << " " << c.typed;
        EXPECT_EQ(messages.Texts(),
                  c.message ? QStringList{dialog_testing::LocalNumber(c.message)} : QStringList{})
            << c.box << " " << c.typed;
    }
    EXPECT_EQ(state.Settings.Labels,
              (app::LabelSheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}))
        << "the sheet changes only on Ok";
}

TEST_F(LabelSettingsDialog, UnitSwitchConvertsAndReadoutsFollowTheBoxes) {
    Open();
    const QStringList inches = Boxes();
    EXPECT_EQ(
        inches,
        (QStringList{dialog_testing::LocalNumber("1.0"), dialog_testing::LocalNumber("2.625"),
                     dialog_testing::LocalNumber("0.5"), dialog_testing::LocalNumber("0.1875"),
                     dialog_testing::LocalNumber("0.0"), dialog_testing::LocalNumber("0.125")}));
    EXPECT_EQ(Child<QLabel>(dialog, "lRows")->text(), "Rows: 10");
    EXPECT_EQ(Child<QLabel>(dialog, "lColumns")->text(), "Columns: 3");
    Click("RadioButton2");
    EXPECT_EQ(
        Boxes(),
        (QStringList{dialog_testing::LocalNumber("2.54"), dialog_testing::LocalNumber("6.6675"),
                     dialog_testing::LocalNumber("1.27"), dialog_testing::LocalNumber("0.47625"),
                     dialog_testing::LocalNumber("0.0"), dialog_testing::LocalNumber("0.3175")}));
    EXPECT_EQ(Child<QLabel>(dialog, "LnpTop")->text(), "Top: 0ct");
    EXPECT_EQ(Child<QLabel>(dialog, "lRows")->text(), "Rows: 10");
    Click("RadioButton2"); // choosing the unit shown converts nothing
    Click("RadioButton1");
    EXPECT_EQ(Boxes(), inches);
    EXPECT_EQ(Child<QLabel>(dialog, "LnpTop")->text(), "Top: 0\"");
    dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "Edit1"),
                                 dialog_testing::LocalNumber("8.6"));
    EXPECT_EQ(Child<QLabel>(dialog, "lRows")->text(), "Rows: 2");
    Click("BitBtn1");
    EXPECT_EQ(state.Settings.Labels,
              (app::LabelSheet{1.0, 2.625, 8.6, 0.1875, 0.0, 0.125, engine::Unit::Inch}));
    EXPECT_EQ(state.Metrics.Rows, 2) << "Ok lays the sheet out on the printer";
}

// A file that is no label format is refused by name; the boxes and the sheet stay as they were.
TEST_F(LabelSettingsDialog, ImportRefusesFilesThatAreNoLabelFormat) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"garbage.fmt", QByteArray("\x89PNG\r\n\x1a\n\0\0\x7f\xff", 12)},
        {"label.fmt", "[BARCODE]\r\nTEXT=ABC\r\n"},
    };
    Open();
    const QStringList shown = Boxes();
    const app::LabelSheet sheet = state.Settings.Labels;
    for (const auto& [name, contents] : cases) {
        const QString path = dir.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        dialog_testing::MessageCatcher messages;
        dialog_testing::WhenModal(
            "LoadDialog", [&](QWidget& chooser) { dialog_testing::ChooseFileIn(chooser, path); });
        Click("LoadBtn");
        EXPECT_EQ(messages.Texts(), QStringList{QString(name) + " is not a label format"});
        EXPECT_EQ(Boxes(), shown) << name;
        EXPECT_EQ(state.Settings.Labels, sheet) << name;
    }
}

TEST_F(LabelSettingsDialog, ImportShowsTheFileInItsUnitAndExportWritesTheSheet) {
    const QString imported = dir.filePath("inches.fmt");
    QFile file(imported);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("[FORMAT]\r\nHEIGHT=1" + dialog_testing::LocalNumber(".5") +
                "\r\nWIDTH=4\r\nTOPMARGIN=0" + dialog_testing::LocalNumber(".5") +
                "\r\nLEFTMARGIN=0\r\nGAPHEIGHT=0\r\nGAPWIDTH=0" +
                dialog_testing::LocalNumber(".25") + "\r\nMETRIC=0\r\n")
                   .toLatin1());
    file.close();
    state.Settings.Labels.Unit = engine::Unit::Centimetre; // the dialog shows centimetres
    Open();
    ASSERT_TRUE(Child<QRadioButton>(dialog, "RadioButton2")->isChecked());
    dialog_testing::WhenModal("LoadDialog", [&](QWidget& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "Load Label Format");
        dialog_testing::ChooseFileIn(chooser, imported);
    });
    Click("LoadBtn");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButton1")->isChecked());
    EXPECT_EQ(
        Boxes(),
        (QStringList{dialog_testing::LocalNumber("1.5"), dialog_testing::LocalNumber("4.0"),
                     dialog_testing::LocalNumber("0.5"), dialog_testing::LocalNumber("0.0"),
                     dialog_testing::LocalNumber("0.0"), dialog_testing::LocalNumber("0.25")}));
    const app::LabelSheet sheet{1.5, 4.0, 0.5, 0.0, 0.0, 0.25, engine::Unit::Inch};
    EXPECT_EQ(state.Settings.Labels, sheet) << "an import replaces the sheet at once";

    dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "Edit3"),
                                 dialog_testing::LocalNumber("2")); // not yet Ok
    const QString exported = dir.filePath("out");
    dialog_testing::WhenModal("SaveDialog", [&](QWidget& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "Save Label Format");
        dialog_testing::ChooseFileIn(chooser, exported);
    });
    Click("SaveBtn");
    EXPECT_EQ(print::LoadLabelFormat(exported + ".fmt"), sheet);
    Click("BitBtn2");
    EXPECT_EQ(state.Settings.Labels, sheet) << "Cancel keeps the import";
}

TEST_F(LabelSettingsDialog, ASheetFoundBySearchFillsTheBoxesAndTheUnit) {
    const struct {
        const char* search;
        bool pressReturn; // else the first sheet found is clicked
        QStringList boxes;
        bool centimetres;
        const char* rows;
        const char* note; // on this Letter printer
    } cases[] = {
        {"5160", true, {"1.0", "2.625", "0.5", "0.1875", "0.0", "0.125"}, false, "Rows: 10", ""},
        {"5162",
         true,
         {"1.33333", "4.0", "0.83333", "0.15625", "0.0", "0.1875"},
         false,
         "Rows: 7",
         ""},
        {"99.1 x 38.1",
         false,
         {"3.81", "9.91", "1.515", "0.465", "0.0", "0.25"},
         true,
         "Rows: 6",
         "The sheet has 14 labels; 12 fit the printer's paper as laid out."},
    };
    Open();
    auto* search = Child<QLineEdit>(dialog, "eTemplateSearch");
    auto* list = Child<QListWidget>(dialog, "lbTemplates");
    for (const auto& c : cases) {
        search->clear();
        QTest::keyClicks(search, c.search);
        ASSERT_GE(list->count(), 1) << c.search;
        if (c.pressReturn)
            QTest::keyClick(search, Qt::Key_Return);
        else
            list->setCurrentRow(0);
        ASSERT_TRUE(dialog.isVisible()) << "Return chooses, it does not close the dialog";
        QStringList local;
        for (const QString& box : c.boxes)
            local << dialog_testing::LocalNumber(box.toLatin1().constData());
        EXPECT_EQ(Boxes(), local) << c.search;
        EXPECT_EQ(Child<QRadioButton>(dialog, "RadioButton2")->isChecked(), c.centimetres);
        EXPECT_EQ(Child<QLabel>(dialog, "lRows")->text(), c.rows) << c.search;
        EXPECT_EQ(Child<QLabel>(dialog, "lTemplateNote")->text(), c.note) << c.search;
    }
    dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "Edit1"),
                                 dialog_testing::LocalNumber("1.6"));
    EXPECT_EQ(Child<QLabel>(dialog, "lTemplateNote")->text(), "") << "the boxes left the sheet";
    EXPECT_EQ(state.Settings.Labels,
              (app::LabelSheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}))
        << "choosing changes the sheet only on Ok";
    Click("BitBtn1");
    EXPECT_EQ(state.Settings.Labels,
              (app::LabelSheet{3.81, 9.91, 1.6, 0.465, 0.0, 0.25, engine::Unit::Centimetre}));
}

// Imported sheets are listed first, once each (a product the catalogue has keeps its entry),
// and kept for the next opening; none is chosen, so the boxes and the dialog's width stay.
TEST_F(LabelSettingsDialog, ImportedGlabelsSheetsComeFirstAndOthersAreReported) {
    const QString path = QStringLiteral(TALLYRUNE_TEST_DATA "/glabels/mixed-shapes.template");
    Open();
    const QStringList boxesBefore = Boxes();
    const int widthBefore = dialog.width();
    dialog_testing::MessageCatcher messages;
    dialog_testing::WhenModal("TemplateDialog", [&](QWidget& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "Import gLabels Templates");
        dialog_testing::ChooseFileIn(chooser, path);
    });
    Click("TemplateImportBtn");
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_TRUE(messages.Texts()[0].startsWith(
        "5 label sheets were left out: only rectangular labels in a single grid can be "
        "imported.\nAvery 5294: round labels\n"));
    const auto imported = print::ImportGlabelsTemplates(path).sheets;
    const auto offered = print::OfferedTemplates(print::BuiltInTemplates(), imported);
    auto* list = Child<QListWidget>(dialog, "lbTemplates");
    ASSERT_EQ(list->count(), static_cast<int>(offered.size()));
    for (const print::LabelTemplate& sheet : imported) {
        const QString product = sheet.maker + " " + sheet.product + " ";
        EXPECT_EQ(list->findItems(product, Qt::MatchStartsWith).size(), 1)
            << product.toStdString() << "is listed once";
    }
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(Boxes(), boxesBefore);
    EXPECT_EQ(dialog.width(), widthBefore);
    EXPECT_EQ(print::UserTemplates(), imported) << "kept for the next opening";
}

} // namespace
