// The engine's messages and names in German, through the designer's own catalogue: each message
// is said from the pattern it was made from, with the values (a symbol's limit among them) said
// too; and no pattern hides behind an earlier one.

#include "app/EngineTexts.h"
#include "engine/Barcode.h"
#include "engine/Messages.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;

class EngineTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(german.load(QStringLiteral(TALLYRUNE_GERMAN_CATALOGUE)));
        ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    }
    void TearDown() override { QCoreApplication::removeTranslator(&german); }
    QTranslator german;
};

TEST_F(EngineTextsTest, MessagesAndNamesAreSaidInTheUsersLanguage) {
    const struct {
        std::string engineText;
        const char* german;
    } cases[] = {
        {engine::BarcodeProblem(SymbologyCode::QrCode, std::string(7090, '7'), {}),
         "Der Text ist zu lang für QR Code: es fasst höchstens 7089 Ziffern, 4296 Buchstaben "
         "oder 2953 Bytes"},
        {engine::BarcodeProblem(SymbologyCode::MicroQrCode, "123456789", {"", 1}),
         "Der Text ist zu lang für Micro QR Code (M1)"},
        {engine::BarcodeProblem(SymbologyCode::Gs1DataMatrix, "(01)09506000134353", {}),
         "AI (01) hat die Prüfziffer 3, wo 2 hingehört"},
        {engine::BarcodeProblem(SymbologyCode::Gs1DataMatrix, "(17)261331", {}),
         "AI (17) enthält 261331, das ist kein Datum (JJMMTT)"},
        {engine::BarcodeProblem(SymbologyCode::Gs1DataMatrix, "(123)4", {}),
         "AI (123) ist unbekannt"},
        {engine::BarcodeProblem(SymbologyCode::DataBar, "(10)AB", {}),
         "GS1 DataBar fasst eine GTIN, (01) und 14 Ziffern"},
        {"7 columns", "7 Spalten"},
        {"15x15 compact", "15x15 kompakt"},
        {"an English text from elsewhere", "an English text from elsewhere"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::InUsersLanguage(c.engineText), QString::fromUtf8(c.german)) << c.engineText;
}

// The translator's list of patterns keeps up with the engine's: each has its German.
TEST_F(EngineTextsTest, EveryPatternOfTheEngineIsInTheCatalogue) {
    for (const std::string_view pattern : engine::message::kPatterns)
        EXPECT_FALSE(german.translate("EngineText", std::string(pattern).c_str()).isEmpty())
            << pattern;
}

// A text made from a pattern is taken apart by that pattern, not by one listed before it.
TEST(EngineMessagePatterns, EachTextIsTakenApartByThePatternItWasMadeFrom) {
    const std::vector<std::string> values{"V1", "V2", "V3", "V4"};
    for (const std::string_view pattern : engine::message::kPatterns) {
        const std::string text = engine::message::Compose(pattern, values);
        const auto first = std::ranges::find_if(engine::message::kPatterns, [&](auto candidate) {
            return engine::message::ValuesIn(candidate, text).has_value();
        });
        ASSERT_NE(first, engine::message::kPatterns.end()) << text;
        EXPECT_EQ(*first, pattern) << text;
        const auto found = engine::message::ValuesIn(pattern, text);
        EXPECT_EQ(engine::message::Compose(pattern, *found), text);
    }
}

} // namespace
