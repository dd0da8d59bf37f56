#pragma once
// The print dialog's last choices, kept between runs.

namespace app {

struct PrintSettings {
    int Pages = 1;
    int PrintScale = 0; // module width in printer dots; 0 until chosen (then 10 mils)
    int Copies = 1;
    int BP = 0;         // 0: "Single", 1: a range
    int PR = 0;         // range kind, 0: "Pages", 1: "Labels"
    bool HAlign = true; // centre the barcode across the label
    bool VAlign = true; // centre it down the label

    bool operator==(const PrintSettings&) const = default;
};

} // namespace app
