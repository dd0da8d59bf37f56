#pragma once
// Reading gLabels template files (the XML that gLabels keeps its stationery in: Template
// elements with a Label-rectangle and its Layout). A rectangular label in one grid becomes a
// label sheet; other shapes and sheets of several grids cannot, and are named with the reason.

#include "print/LabelTemplate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace print {

struct GlabelsImport {
    std::vector<LabelTemplate> sheets; // in the file's order
    QStringList refused;               // "Avery 5195: round labels"
};

// Throws platform::Failure when the text is not a gLabels template file.
GlabelsImport ReadGlabelsTemplates(const QByteArray& xml);

// The same for a file; the failure names the file.
GlabelsImport ImportGlabelsTemplates(const QString& path);

// What the label settings dialog says of an import that left sheets out (all of them, or some),
// naming the first few; empty when nothing was left out.
QString RefusedTemplatesMessage(const GlabelsImport& import);

} // namespace print
