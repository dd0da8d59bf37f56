#include "platform/Errors.h"

#include <QCoreApplication>

namespace platform {
namespace {

// "<text>: <reason>", or the text alone without a reason.
QString WithReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QStringLiteral(": ") + reason;
}

} // namespace

ReadFailure::ReadFailure(const QString& path, const QString& reason)
    : Failure(WithReason(QCoreApplication::translate("Errors", "Unable to read %1").arg(path),
                         reason)) {}

WriteFailure::WriteFailure(const std::string& path, const std::string& reason)
    : Failure(WithReason(QCoreApplication::translate("Errors", "Unable to write to %1")
                             .arg(QString::fromStdString(path)),
                         QString::fromStdString(reason))) {}

} // namespace platform
