#pragma once
// The designer's dialogs as a user opens them from the main window: the keys of their menu item
// or shortcut and the title they come up with.

#include <ostream>

namespace e2e {

struct DialogOpening {
    const char* name;
    const char* keys; // pressed in the main window, whose document has an unsaved text
    const char* title;
};

inline constexpr DialogOpening kDesignerDialogs[] = {
    {"Print", "ctrl+p", "^Print Barcode$"},
    {"Export", "ctrl+e", "^Export Barcode Graphic$"},
    {"SequenceSettings", "alt+o s", "^Sequence Settings$"},
    {"LabelSettings", "alt+o l", "^Custom Label Settings$"},
    {"Calibration", "alt+f i", "^Printer Calibration$"},
    {"PrintSetup", "alt+f r", "^Print Setup$"},
    {"Open", "ctrl+o", "^Load Barcode$"},
    {"Save", "ctrl+s", "^Save Barcode$"},
    {"About", "alt+a a", "^About Tallyrune$"},
    {"Font", "shift+Tab space", "^Font$"}, // the toolbar's Font button, one Tab back from the text
    {"SaveChanges", "ctrl+x", "^Tallyrune$"}, // closing the document asks first
};

// CTest names each case after it.
inline void PrintTo(const DialogOpening& opening, std::ostream* out) {
    *out << opening.name;
}

} // namespace e2e
