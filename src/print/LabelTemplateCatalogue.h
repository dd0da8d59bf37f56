#pragma once
// The built-in catalogue of label sheets (resources/label-sheets.xml, compiled into the
// program), in the catalogue's order.

#include "print/LabelTemplate.h"

#include <QByteArray>

#include <vector>

namespace print {

std::vector<LabelTemplate> BuiltInTemplates();

// A catalogue in the form of resources/label-sheets.xml. Throws platform::Failure naming the
// line of the first sheet that lacks a value or has an unreadable one.
std::vector<LabelTemplate> ReadTemplateCatalogue(const QByteArray& xml);

} // namespace print
