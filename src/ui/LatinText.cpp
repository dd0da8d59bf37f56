#include "ui/LatinText.h"

#include "app/MatrixControls.h"

namespace ui {

std::string ToLatin1(const QString& text) {
    return app::Latin1Bytes(text);
}

} // namespace ui
