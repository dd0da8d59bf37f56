// The print dialog's "From file" choice driven as a user does: the file chosen with its browse
// button, the column, the count with the pages it fills, the first records, and the printed PDF
// read back label by label.

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "support/SheetLabels.h"
#include "support/TestFiles.h"
#include "ui/TFPrintIt.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using dialog_testing::Child;

const app::LabelSheet kThirty{
    1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}; // 10 rows of 3

QString RecordText(int i) {
    return QString("D%1,x").arg(i, 2, 10, QChar('0'));
}

TEST(PrintDataDialog, FromFilePrintsEveryRecordOnItsCopies) {
    QTemporaryDir dir;
    const QString data = dir.filePath("data.csv");
    const QString pdf = dir.filePath("out.pdf");
    QByteArray csv = "id,name\n";
    for (int i = 1; i <= 40; ++i)
        csv += QByteArray::number(i) + ",\"" + RecordText(i).toLatin1() + "\"\n";
    testing_support::WriteBytes(data, csv);
    ui::AppState state;
    state.Settings.Labels = kThirty;
    dialog_testing::UseLetterPdf(state, pdf);
    app::BarcodeDocument document{state.Metrics, engine::Unit::Inch, kThirty};
    document.SetBarcodeText("HELLO");
    document.SetBarHeight(0.5);

    dialog_testing::WhenModal("TFPrintIt", [&](QWidget& dialog) {
        const auto summary = [&] { return Child<QLabel>(dialog, "LRecords")->text(); };
        const auto column = Child<QLineEdit>(dialog, "eColumn");
        Child<QAbstractButton>(dialog, "rbData")->click();
        for (const char* name : {"rbSingle", "rbPageRange", "ePages", "eText", "sbSeqSettings"})
            EXPECT_FALSE(Child<QWidget>(dialog, name)->isEnabled()) << name;
        for (const char* name : {"eDataFile", "eColumn", "cbHeader", "eCopies", "pSkip"})
            EXPECT_TRUE(Child<QWidget>(dialog, name)->isVisibleTo(&dialog) &&
                        Child<QWidget>(dialog, name)->isEnabled())
                << name;
        dialog_testing::WhenModal("DataFileDialog", [&](QWidget& chooser) {
            dialog_testing::ChooseFileIn(chooser, data);
        });
        Child<QAbstractButton>(dialog, "sbDataFile")->click();
        EXPECT_EQ(summary(), "41 records on 2 pages"); // column 1 without a header: "id" too
        dialog_testing::TypeAndLeave(*column, "price");
        EXPECT_EQ(summary(), "data.csv: no column is named \"price\"");
        EXPECT_EQ(Child<QListWidget>(dialog, "lbRecords")->count(), 0);
        dialog_testing::TypeAndLeave(*column, "name");
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eCopies"), "2");
        for (int i = 0; i < 25; ++i)
            Child<QAbstractButton>(dialog, "sbRight")->click();
        EXPECT_EQ(summary(), "40 records on 4 pages"); // 25 skipped + 80
        const auto* preview = Child<QListWidget>(dialog, "lbRecords");
        ASSERT_EQ(preview->count(), 5);
        EXPECT_EQ(preview->item(0)->text(), "2: " + RecordText(1));
        EXPECT_EQ(preview->item(4)->text(), "6: " + RecordText(5));
        Child<QPushButton>(dialog, "BitBtn2")->click();
    });
    ui::TFPrintIt dialog(nullptr, state);
    dialog.Open(document);

    std::vector<std::string> expected(25);
    for (int i = 1; i <= 40; ++i)
        expected.insert(expected.end(), 2, RecordText(i).toStdString());
    expected.resize(4 * 30);
    std::vector<std::string> read;
    for (const auto& page : testing_support::ReadSheetLabels(
             pdf, kThirty, 150, ZXing::BarcodeFormat::Code128, dir.filePath("page")))
        read.insert(read.end(), page.begin(), page.end());
    EXPECT_EQ(read, expected);
}

} // namespace
