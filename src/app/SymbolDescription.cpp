#include "app/SymbolDescription.h"

#include "app/BarcodeDocument.h"
#include "app/MatrixControls.h"

#include <QCoreApplication>

namespace app {

QString SymbolDescription(const BarcodeDocument& document, const ScanVerdict& verdict) {
    const std::string_view type = engine::FindSymbology(document.Symbology())->listItem;
    const QString typeName = QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size()));
    const QString text = ShownText(document.Symbology(), document.BarcodeText());
    const QString described =
        text.isEmpty()
            ? QCoreApplication::translate("SymbolDescription", "%1: no text").arg(typeName)
            : QCoreApplication::translate("SymbolDescription", "%1: %2")
                  .arg(typeName, PrintableText(text));
    const QString scan = verdict.Message();
    return scan.isEmpty()
               ? described
               : QCoreApplication::translate("SymbolDescription", "%1. %2").arg(described, scan);
}

} // namespace app
