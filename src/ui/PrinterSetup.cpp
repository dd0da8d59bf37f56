#include "ui/PrinterSetup.h"

#include "ui/AppState.h"
#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"
#include "ui/DocumentQuestions.h"
#include "ui/FileChoice.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPushButton>

namespace ui {

void RunPrinterSetup(QWidget* parent, ui::AppState& state) {
    QPrintDialog dialog(&state.Printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("PrinterSetup", "Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It chooses the printer and prints nothing, so its button does not say "Print".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QCoreApplication::translate("PrinterSetup", "OK"));
    dialog.exec();
    print::UseDriverResolution(state.Printer);
    print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                 state.Settings.Printing.PrintScale);
}

bool EnsureOutputFile(QWidget* parent, QPrinter& printer) {
    if (!print::IsPdfOutput(printer)) return true;
    const QString named = printer.outputFileName();
    if (!named.isEmpty() && (!QFileInfo::exists(named) || MayReplace(parent, named))) return true;
    const auto path = ChooseFile(
        parent, {.objectName = "PdfFileDialog",
                 .title = QCoreApplication::translate("PrinterSetup", "Print to PDF"),
                 .filter = QCoreApplication::translate("PrinterSetup", "PDF Files (*.pdf)"),
                 .defaultSuffix = QStringLiteral("pdf"),
                 .save = true,
                 .confirmOverwrite = true,
                 .proposedName = named});
    if (path) printer.setOutputFileName(*path);
    return path.has_value();
}

} // namespace ui
