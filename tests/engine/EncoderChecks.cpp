#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_support {
namespace {

using engine::Orientation;

constexpr int kX0 = 7;
constexpr int kY0 = 11;

std::string Context(std::string_view text, int module, Orientation o) {
    return ::testing::PrintToString(std::string(text)) + " at module " + std::to_string(module) +
           ", orientation " + std::to_string(static_cast<int>(o));
}

} // namespace

std::vector<Span> DrawSpans(engine::Encoder draw, std::string_view text, int module, Orientation o,
                            int barLength) {
    RecordingSurface dc;
    draw(dc, kX0, kY0, barLength, module, text, o);
    EXPECT_EQ(dc.Bars().size(), dc.rects.size())
        << "white among the bars of " << Context(text, module, o);
    return Spans(dc.rects, kX0, kY0, o);
}

std::string SymbolModules(engine::Encoder draw, std::string_view text, int module, Orientation o,
                          int barLength) {
    SCOPED_TRACE(Context(text, module, o));
    const std::vector<Span> bars = DrawSpans(draw, text, module, o, barLength);
    EXPECT_EQ(PartialBars(bars, barLength), std::vector<Span>{}) << "bars of another length";
    return ModuleString(bars, module, barLength);
}

std::string UpToLastBar(std::string modules) {
    modules.erase(modules.find_last_not_of('0') + 1);
    return modules;
}

std::string Bits(unsigned pattern, int width) {
    std::string bits;
    for (int bit = width - 1; bit >= 0; --bit)
        bits += (pattern >> bit) & 1u ? '1' : '0';
    return bits;
}

void ExpectSameBarsInEveryOrientation(engine::Encoder draw, std::string_view text, int module) {
    // At 0° something is drawn, every bar across the whole bar length on the module grid.
    EXPECT_NE(SymbolModules(draw, text, module), "") << Context(text, module, Orientation::Deg0);
    const std::vector<Span> upright = DrawSpans(draw, text, module);
    for (Orientation o : {Orientation::Deg90, Orientation::Deg180, Orientation::Deg270})
        EXPECT_EQ(DrawSpans(draw, text, module, o), upright) << Context(text, module, o);
}

int SymbolLength(engine::SymbologyCode code, std::string_view text) {
    return engine::BarcodeExtent(1, code, text) - 2 * engine::kQuietZoneModules;
}

int ExpectInsideTheSymbol(engine::Encoder draw, std::string_view text, int module, Orientation o,
                          int symbolModules, int barLength) {
    const int end = symbolModules * module;
    int last = 0;
    for (const Span& s : DrawSpans(draw, text, module, o, barLength)) {
        if (s.along0 < 0 || s.along1 > end || s.across0 < 0 || s.across1 > barLength) {
            ADD_FAILURE() << "bar " << s << " outside the symbol, " << end << " long, of "
                          << Context(text, module, o);
            return 0;
        }
        last = std::max(last, s.along1);
    }
    return end - last;
}

void ExpectAnyBytesInsideTheSymbol(engine::Encoder draw, engine::SymbologyCode code,
                                   std::string_view around, std::mt19937& random, int count) {
    const auto inside = [&](const std::string& text, Orientation o) {
        ExpectInsideTheSymbol(draw, text, 2, o, SymbolLength(code, text));
    };
    for (int c = 0; c < 256; ++c) {
        const std::string byte(1, static_cast<char>(c));
        inside(byte, Orientation::Deg0);
        inside(around[0] + byte + around[1], Orientation::Deg90);
    }
    for (int i = 0; i < count; ++i)
        inside(RandomBytes(random, 1, 40), engine::kAllOrientations[i % 4]);
}

void ExpectExtentMatchesTheBars(engine::SymbologyCode code, const std::string& text, int height,
                                Orientation o, bool showText, int gap) {
    SCOPED_TRACE("code " + std::to_string(static_cast<int>(code)) + " " + Context(text, 1, o));
    const int extent = engine::BarcodeExtent(1, code, text);
    RecordingSurface dc;
    engine::DrawBarcode(dc, code, 0, 0, 1, height, text, showText, o, false);
    const std::vector<Span> bars = Spans(dc.Bars(), 0, 0, o);
    if (text.empty()) {
        EXPECT_EQ(extent, 2 * engine::kQuietZoneModules);
        EXPECT_EQ(bars, std::vector<Span>{});
        return;
    }
    ASSERT_FALSE(bars.empty());
    int last = 0;
    for (const Span& s : bars)
        last = std::max(last, s.along1);
    EXPECT_EQ(bars.front().along0, engine::kQuietZoneModules);
    EXPECT_EQ(last, extent - engine::kQuietZoneModules - gap);
}

std::string RandomBytes(std::mt19937& random, int shortest, int longest, int low, int high) {
    std::string text(
        static_cast<std::size_t>(std::uniform_int_distribution<int>(shortest, longest)(random)),
        '\0');
    std::uniform_int_distribution<int> byte(low, high);
    for (char& c : text)
        c = static_cast<char>(byte(random));
    return text;
}

std::vector<std::string>
UnfilteredTexts(std::initializer_list<std::pair<const char*, const char*>> around, unsigned seed,
                int longest) {
    std::vector<std::string> texts;
    for (int b = 0; b < 256; ++b)
        for (const auto& [before, after] : around)
            texts.push_back(before + std::string(1, static_cast<char>(b)) + after);
    std::mt19937 random(seed);
    for (int i = 0; i < 300; ++i)
        texts.push_back(i % 2 ? RandomBytes(random, 1, longest, '0', '9')
                              : RandomBytes(random, 1, longest));
    return texts;
}

void ExpectOnlyDigitsCompleteTheSymbol(engine::Encoder draw, engine::SymbologyCode code,
                                       const std::vector<std::string>& texts, int barLength,
                                       std::size_t counted) {
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const std::string_view text = texts[n];
        const int undrawn = ExpectInsideTheSymbol(draw, text, 1 + static_cast<int>(n % 4),
                                                  engine::kAllOrientations[n % 4],
                                                  SymbolLength(code, text), barLength);
        const std::string_view digits = text.substr(0, counted);
        EXPECT_EQ(undrawn == 0, std::all_of(digits.begin(), digits.end(),
                                            [](char c) { return c >= '0' && c <= '9'; }))
            << "code " << static_cast<int>(code) << " " << ::testing::PrintToString(texts[n]);
    }
}

void ExpectExtentMatchesMostlyDigits(engine::SymbologyCode code, std::mt19937& random, int count,
                                     int height) {
    for (int i = 0; i < count; ++i) {
        std::string typed = RandomBytes(random, 0, 60, 1, 127);
        if (i % 3)
            for (char& c : typed)
                c = static_cast<char>('0' + c % 10);
        ExpectExtentMatchesTheBars(code, engine::FilterBarcodeText(code, typed), height,
                                   engine::kAllOrientations[i % 4], i % 2 == 0);
    }
}

} // namespace testing_support
