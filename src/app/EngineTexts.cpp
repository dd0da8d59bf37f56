#include "app/EngineTexts.h"

#include "engine/Messages.h"

#include <QCoreApplication>

namespace app {
namespace {

constexpr const char* kContext = "EngineText";

// engine::message::kPatterns once more, for the translator's tool, which reads no engine file.
[[maybe_unused]] constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("EngineText", "GS1 data starts with an AI in brackets, such as (01)"),
    QT_TRANSLATE_NOOP("EngineText", "GS1 data needs each AI in brackets: %1"),
    QT_TRANSLATE_NOOP("EngineText", "%1 is unknown"),
    QT_TRANSLATE_NOOP("EngineText", "%1 has no data"),
    QT_TRANSLATE_NOOP("EngineText", "%1 takes digits only"),
    QT_TRANSLATE_NOOP("EngineText", "%1 holds a character GS1 does not allow"),
    QT_TRANSLATE_NOOP("EngineText", "%1 takes %2 digits, not %3"),
    QT_TRANSLATE_NOOP("EngineText", "%1 takes %2 to %3 characters, not %4"),
    QT_TRANSLATE_NOOP("EngineText", "%1 has the check digit %2 where %3 belongs"),
    QT_TRANSLATE_NOOP("EngineText", "%1 holds %2, which is no date (YYMMDD)"),
    QT_TRANSLATE_NOOP("EngineText", "The text is too long for %1 (%2)"),
    QT_TRANSLATE_NOOP("EngineText", "The text is too long for %1: it holds at most %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1 cannot encode this text: %2"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory to encode %1"),
    QT_TRANSLATE_NOOP("EngineText", "%1 holds %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1 digits, %2 letters or %3 bytes"),
    QT_TRANSLATE_NOOP("EngineText", "%1 digits or %2 bytes"),
    QT_TRANSLATE_NOOP("EngineText", "%1 digits or %2 letters of GS1 data"),
    QT_TRANSLATE_NOOP("EngineText", "%1 characters of GS1 data"),
    QT_TRANSLATE_NOOP("EngineText", "one GTIN, (01) and %1 digits"),
    QT_TRANSLATE_NOOP("EngineText", "1 column"),
    QT_TRANSLATE_NOOP("EngineText", "%1 columns"),
    QT_TRANSLATE_NOOP("EngineText", "%1 compact"),
    QT_TRANSLATE_NOOP("EngineText", "Auto"),
};

} // namespace

// The pattern translated and filled with the values, each of which may itself be an engine text
// (a symbol's limit inside a message); a text made from no pattern is translated as it stands.
QString InUsersLanguage(std::string_view engineText) {
    for (const std::string_view pattern : engine::message::kPatterns) {
        const auto values = engine::message::ValuesIn(pattern, engineText);
        if (!values) continue;
        std::vector<std::string> said;
        for (const std::string& value : *values)
            said.push_back(InUsersLanguage(value).toStdString());
        const QString translated =
            QCoreApplication::translate(kContext, std::string(pattern).c_str());
        return QString::fromStdString(engine::message::Compose(translated.toStdString(), said));
    }
    return QCoreApplication::translate(kContext, std::string(engineText).c_str());
}

} // namespace app
