// gLabels template files, which the user points the label settings dialog at: any bytes either
// fail with a message or give sheets whose grid and lengths the layout can take.

#include "FuzzCheck.h"
#include "platform/Errors.h"
#include "print/GlabelsTemplates.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    print::GlabelsImport import;
    try {
        import = print::ReadGlabelsTemplates(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const platform::Failure&) {
        return 0;
    }
    for (const print::LabelTemplate& t : import.sheets) {
        FUZZ_CHECK(t.columns >= 1 && t.rows >= 1 && t.count == t.columns * t.rows);
        const app::LabelSheet& s = t.sheet;
        for (const double length :
             {s.LabelHeight, s.LabelWidth, s.MarginTop, s.MarginLeft, s.GapHeight, s.GapWidth})
            FUZZ_CHECK(std::isfinite(length));
        FUZZ_CHECK(s.LabelHeight > 0 && s.LabelWidth > 0);
    }
    print::RefusedTemplatesMessage(import);
    return 0;
}
