#include "ui/KeyFilters.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ui {
namespace {

void Filter(QLineEdit& box, int maxLength, const QString& pattern) {
    box.setMaxLength(maxLength);
    box.setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), &box));
}

} // namespace

void FilterDigits(QLineEdit& box, int maxLength) {
    Filter(box, maxLength, QStringLiteral("[0-9]*"));
}

void FilterLengthCharacters(QLineEdit& box, int maxLength) {
    Filter(box, maxLength, QStringLiteral("[0-9,.\\-]*"));
}

void FilterDecimalCharacters(QLineEdit& box, int maxLength) {
    Filter(box, maxLength, QStringLiteral("[0-9,.]*"));
}

} // namespace ui
