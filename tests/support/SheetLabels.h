#pragma once
// Every label of a printed sheet PDF read back: each page rendered by poppler, each label cell
// decoded by zxing-cpp on its own.

#include "app/LabelSheet.h"

#include <QString>
#include <ZXing/BarcodeFormat.h>

#include <string>
#include <vector>

namespace testing_support {

// Page by page, the labels of `sheet` row by row as `format` reads them ("" where nothing
// reads), rendered at `dpi` through `scratch` (a file path without extension).
std::vector<std::vector<std::string>> ReadSheetLabels(const QString& pdf,
                                                      const app::LabelSheet& sheet, int dpi,
                                                      ZXing::BarcodeFormat format,
                                                      const QString& scratch);

} // namespace testing_support
