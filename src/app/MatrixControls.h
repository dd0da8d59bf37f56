#pragma once
// What the toolbar shows for the two-dimensional symbols, without a widget: the text box's text
// (UTF-8 documents for the symbologies that take any text, Latin-1 bytes for the others), the
// error correction and symbol size lists, and whether the height box applies.

#include "app/BarcodeDocument.h"

#include <QString>
#include <QStringList>

#include <string>

namespace app {

// The text box's text for a document's stored bytes, and the bytes a typed text is stored as.
QString ShownText(engine::SymbologyCode code, const std::string& bytes);
std::string StoredText(engine::SymbologyCode code, const QString& text);
// Characters beyond Latin-1 cannot be kept: they are dropped, not turned into "?".
std::string Latin1Bytes(const QString& text);

// A list on the toolbar: its items, the one chosen, and whether it applies at all.
struct OptionList {
    QStringList items;
    int current = -1;
    bool enabled = false;
};

// The symbology's levels, the document's chosen (or its usual one); disabled and empty for a
// symbology without a choice.
OptionList EccList(const BarcodeDocument& document);
// "Auto" and the symbology's sizes.
OptionList SizeList(const BarcodeDocument& document);

// Takes the list position the user chose.
void ChooseEcc(BarcodeDocument& document, int index);
void ChooseSize(BarcodeDocument& document, int index);

// Whether the bar height is the document's own (false for the square two-dimensional symbols,
// whose height follows from the module).
bool HeightApplies(engine::SymbologyCode code);

} // namespace app
