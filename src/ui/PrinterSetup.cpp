#include "ui/PrinterSetup.h"

#include "app/AppState.h"
#include "print/DeviceMetrics.h"

#include <QPrintDialog>

namespace ui {

void RunPrinterSetup(QWidget* parent, app::AppState& state) {
    QPrintDialog dialog(&state.Printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
    print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                 state.Settings.Printing.PrintScale);
}

} // namespace ui
