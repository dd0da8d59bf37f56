#pragma once
// ZPL read back by an independent renderer (zpl-renderer-js from npm, in Node; tests/zpl), and
// what a thermal printer's dots must show: bars that are whole modules wide.

#include <QImage>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace testing_support {

// Every ^XA ... ^XZ format of the ZPL file, rendered on a label of `widthMm` by `heightMm` at
// `dotsPerMm`, in order (formats that print nothing come out blank); the PNGs go into `folder`.
// Empty, with a failure of the running test, when the renderer fails.
std::vector<QImage> RenderZpl(const QString& zplFile, double widthMm, double heightMm,
                              int dotsPerMm, const QString& folder);

// Whether the picture holds any black.
bool HasInk(const QImage& picture);
// The smallest rectangle around the picture's black; empty for none.
QRect InkBounds(const QImage& picture);
// The part of the picture that holds black, with `margin` white pixels around it, as a scanner
// aimed at the symbol sees it: zxing-cpp misses a small Data Matrix on a large white label.
QImage AroundInk(const QImage& picture, int margin);

// The Code 128 texts of a ZPL file's labels on a 2 x 1 in roll at 203 dpi (8 dots a millimetre),
// blank formats left out, each label failing the running test unless its bars and spaces are
// whole modules of `moduleDots`.
std::vector<std::string> ReadRollOfCode128(const QString& zplFile, int moduleDots,
                                           const QString& folder);

// The widths of the bars and spaces that a row through the middle of the bars crosses, from the
// first bar to the last: on a printer's dots each one is a whole number of modules.
std::vector<int> BarRuns(const QImage& picture);

} // namespace testing_support
