#pragma once
// The failure of a printer, a print file or a queue that cannot take the job.

#include "platform/Errors.h"

#include <QString>

#include <string>

namespace print {

// "Unable to print on <printer>", with ": <reason>" when there is one.
platform::Failure UnableToPrintOn(const QString& printer, const QString& reason = {});
platform::Failure UnableToPrintOn(const std::string& printer);

} // namespace print
