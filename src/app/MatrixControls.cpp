#include "app/MatrixControls.h"

#include "app/EngineTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace app {
namespace {

bool TakesAnyText(engine::SymbologyCode code) {
    const engine::SymbologyInfo* row = engine::FindSymbology(code);
    return row && row->charClass == engine::CharClass::Unicode;
}

} // namespace

QString ShownText(engine::SymbologyCode code, const std::string& bytes) {
    if (TakesAnyText(code))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string StoredText(engine::SymbologyCode code, const QString& text) {
    return TakesAnyText(code) ? text.toUtf8().toStdString() : Latin1Bytes(text);
}

std::string Latin1Bytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        if (c.unicode() <= 0xff) bytes.push_back(static_cast<char>(c.unicode()));
    return bytes;
}

OptionList EccList(const BarcodeDocument& document) {
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(document.Symbology());
    OptionList list;
    if (!matrix || matrix->eccChoices.empty()) return list;
    list.enabled = true;
    const std::string_view chosen =
        document.Options().ecc.empty() ? matrix->usualEcc : document.Options().ecc;
    for (const engine::EccChoice& choice : matrix->eccChoices) {
        if (choice.label == chosen) list.current = static_cast<int>(list.items.size());
        list.items << InUsersLanguage(choice.label);
    }
    return list;
}

OptionList SizeList(const BarcodeDocument& document) {
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(document.Symbology());
    OptionList list;
    if (!matrix || matrix->sizeChoices.empty()) return list;
    list.enabled = true;
    list.items << QCoreApplication::translate("MatrixControls", "Auto");
    for (const std::string_view size : matrix->sizeChoices)
        list.items << InUsersLanguage(size);
    const int size = document.Options().size;
    list.current = size >= 1 && size < list.items.size() ? size : 0;
    return list;
}

void ChooseEcc(BarcodeDocument& document, int index) {
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(document.Symbology());
    if (!matrix || index < 0 || index >= static_cast<int>(matrix->eccChoices.size())) return;
    const std::string_view label = matrix->eccChoices[static_cast<std::size_t>(index)].label;
    // The usual level is stored as none, so that the file keeps no key for it.
    document.SetEccLevel(label == matrix->usualEcc ? std::string_view() : label);
}

void ChooseSize(BarcodeDocument& document, int index) {
    document.SetSymbolSize(std::max(index, 0));
}

bool HeightApplies(engine::SymbologyCode code) {
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(code);
    return !matrix || matrix->shape != engine::MatrixShape::Square;
}

} // namespace app
