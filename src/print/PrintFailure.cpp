#include "print/PrintFailure.h"

#include <QCoreApplication>

namespace print {

platform::Failure UnableToPrintOn(const QString& printer, const QString& reason) {
    const QString text =
        QCoreApplication::translate("PrintFailure", "Unable to print on %1").arg(printer);
    return platform::Failure(reason.isEmpty() ? text : text + QStringLiteral(": ") + reason);
}

platform::Failure UnableToPrintOn(const std::string& printer) {
    return UnableToPrintOn(QString::fromStdString(printer));
}

} // namespace print
