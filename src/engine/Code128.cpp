#include "engine/Code128.h"

#include "engine/Gs1.h"

#include "engine/CheckDigits.h"
#include "engine/HumanReadable.h"
#include "engine/Saturating.h"

#include <array>
#include <cstdint>
#include <vector>

namespace engine {
namespace {

// ISO/IEC 15417:2007 Table 1, symbol character widths (bar, space, bar, space, bar, space),
// one row per code value; STOP carries its final 2-module bar.
constexpr std::array<std::string_view, 107> kCode128Widths{
    "212222", "222122", "222221",  "121223", "121322", "131222", "122213", "122312", // 0-7
    "132212", "221213", "221312",  "231212", "112232", "122132", "122231", "113222", // 8-15
    "123122", "123221", "223211",  "221132", "221231", "213212", "223112", "312131", // 16-23
    "311222", "321122", "321221",  "312212", "322112", "322211", "212123", "212321", // 24-31
    "232121", "111323", "131123",  "131321", "112313", "132113", "132311", "211313", // 32-39
    "231113", "231311", "112133",  "112331", "132131", "113123", "113321", "133121", // 40-47
    "313121", "211331", "231131",  "213113", "213311", "213131", "311123", "311321", // 48-55
    "331121", "312113", "312311",  "332111", "314111", "221411", "431111", "111224", // 56-63
    "111422", "121124", "121421",  "141122", "141221", "112214", "112412", "122114", // 64-71
    "122411", "142112", "142211",  "241211", "221114", "413111", "241112", "134111", // 72-79
    "111242", "121142", "121241",  "114212", "124112", "124211", "411212", "421112", // 80-87
    "421211", "212141", "214121",  "412121", "111143", "111341", "131141", "114113", // 88-95
    "114311", "411113", "411311",  "113141", "114131", "311141", "411131", "211412", // 96-103
    "211214", "211232", "2331112",                                                   // 104-106
};

struct Pattern {
    std::uint16_t bits; // first module in the most significant bit, 1 = bar
    int modules;
};

// Element widths to a module run, bars first.
constexpr Pattern ToPattern(std::string_view widths) {
    Pattern p{0, 0};
    bool bar = true;
    for (char w : widths) {
        for (int i = 0; i < w - '0'; ++i, ++p.modules)
            if (bar) p.bits |= static_cast<std::uint16_t>(0x8000u >> p.modules);
        bar = !bar;
    }
    return p;
}

constexpr std::array<Pattern, 107> MakePatterns() {
    std::array<Pattern, 107> patterns{};
    for (std::size_t i = 0; i < patterns.size(); ++i)
        patterns[i] = ToPattern(kCode128Widths[i]);
    return patterns;
}

constexpr std::array<Pattern, 107> kCode128Patterns = MakePatterns();
static_assert(kCode128Patterns[0].modules == 11 && kCode128Patterns[0].bits == 0b1101100110000000);
static_assert(kCode128Patterns[kStop].modules == 13);

// Stands for FNC1 between the fields of GS1 data: a byte no filtered text holds.
constexpr char kFnc1Mark = static_cast<char>(0xF1);

char CodeChar(int value) {
    return static_cast<char>(value + kCodeCharOffset);
}
bool IsControl(unsigned char c) {
    return c < 32;
}
bool IsLowerRange(unsigned char c) {
    return c >= 96 && c <= 127;
}

// The code value of a character in set A or B, or the invalid byte when the set lacks it.
char EncodeInSet(char set, unsigned char c) {
    if (set == 'A') {
        if (c < 32) return CodeChar(c + 64);
        if (c < 96) return CodeChar(c - 32);
    } else if (c >= 32 && c < 128) {
        return CodeChar(c - 32);
    }
    return kInvalidCodeChar;
}

// What lies ahead of a position, so that every choice of code set is one look-up: the digits
// running from it, and the set ('A' or 'B') that the first control or lower-case character from
// it on asks for ('B' when there is none).
struct Ahead {
    std::size_t digits;
    char set;
};

// One backward pass; the entry past the end closes the text.
std::vector<Ahead> LookAhead(std::string_view text) {
    std::vector<Ahead> ahead(text.size() + 1, Ahead{0, 'B'});
    for (std::size_t i = text.size(); i-- > 0;) {
        const auto c = static_cast<unsigned char>(text[i]);
        const Ahead& next = ahead[i + 1];
        ahead[i].digits = IsDigit(c) ? next.digits + 1 : 0;
        ahead[i].set = IsControl(c) ? 'A' : IsLowerRange(c) ? 'B' : next.set;
    }
    return ahead;
}

// Builds the code characters between the start character and the check character.
class Code128Encoder {
  public:
    explicit Code128Encoder(std::string_view text) : text_(text), ahead_(LookAhead(text)) {}

    // Four digits or more start in C, else the set the first special character asks for.
    char StartSet() const { return ahead_.front().digits >= 4 ? 'C' : ahead_.front().set; }

    void Run(std::string& out) {
        set_ = StartSet();
        std::size_t i = 0;
        while (i < text_.size()) {
            i = EncodeAt(i, out);
            if (i >= text_.size()) break;
            if (shifted_) {
                set_ = set_ == 'A' ? 'B' : 'A';
                shifted_ = false;
            }
            ChooseSetFor(i, out);
        }
    }

  private:
    std::size_t EncodeAt(std::size_t i, std::string& out) const {
        if (text_[i] == kFnc1Mark) {
            out += CodeChar(kFnc1); // in every code set
            return i + 1;
        }
        if (set_ == 'C') {
            const bool pair = ahead_[i].digits >= 2;
            out += pair ? CodeChar((text_[i] - '0') * 10 + (text_[i + 1] - '0')) : kInvalidCodeChar;
            return i + 2;
        }
        out += EncodeInSet(set_, static_cast<unsigned char>(text_[i]));
        return i + 1;
    }

    void Switch(std::string& out, int code, char set) {
        out += CodeChar(code);
        set_ = set;
    }

    void ChooseSetFor(std::size_t i, std::string& out) {
        const auto c = static_cast<unsigned char>(text_[i]);
        const bool hasNext = i + 1 < text_.size();
        const auto next = hasNext ? static_cast<unsigned char>(text_[i + 1]) : 0;
        if (text_[i] == kFnc1Mark) return;
        if (set_ != 'C') {
            const std::size_t digits = ahead_[i].digits;
            if (digits >= 4 && digits % 2 == 0) return Switch(out, kCodeC, 'C');
        }
        if (set_ == 'B' && IsControl(c)) {
            shifted_ = hasNext && IsLowerRange(next);
            Switch(out, shifted_ ? kShift : kCodeA, 'A');
        } else if (set_ == 'A' && IsLowerRange(c)) {
            shifted_ = hasNext && IsControl(next);
            Switch(out, shifted_ ? kShift : kCodeB, 'B');
        } else if (set_ == 'C' && ahead_[i].digits < 2) {
            // A last digit or a non-digit leaves C for the set the rest of the text asks for.
            Switch(out, ahead_[i].set == 'A' ? kCodeA : kCodeB, ahead_[i].set);
        }
    }

    std::string_view text_;
    std::vector<Ahead> ahead_;
    char set_ = 'B';
    bool shifted_ = false;
};

// Application identifier + container digits padded to `digits` + their check digit: always an
// even run of digits, which EncodeCode128 sends as START C, FNC1 and digit pairs. Encoding the
// pairs directly keeps a text that bypassed the filter inside the fixed-size box: a pair
// holding a non-digit becomes the invalid character, where the drawing stops.
std::string EncodeShippingCode(std::string_view ai, std::string_view text, std::size_t digits) {
    const std::string data = std::string(ai) + WithMod10Check(text.substr(0, digits), digits);
    std::string out{CodeChar(kStartC), CodeChar(kFnc1)};
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        out += IsDigit(data[i]) && IsDigit(data[i + 1])
                   ? CodeChar((data[i] - '0') * 10 + (data[i + 1] - '0'))
                   : kInvalidCodeChar;
    out += Code128Checksum(out);
    out += CodeChar(kStop);
    return out;
}

} // namespace

char Code128StartSet(std::string_view text) {
    return Code128Encoder(text).StartSet();
}

std::string EncodeCode128(std::string_view text, bool fnc1) {
    Code128Encoder encoder(text);
    const char set = encoder.StartSet();
    std::string out(1, CodeChar(set == 'A' ? kStartA : set == 'B' ? kStartB : kStartC));
    out.reserve(text.size() + 4);
    if (fnc1) out += CodeChar(kFnc1);
    encoder.Run(out);
    out += Code128Checksum(out);
    out += CodeChar(kStop);
    return out;
}

std::string Code128CodeChars(std::string_view text) {
    return EncodeCode128(text, false);
}
// Bracketed GS1 data gets FNC1 after each field whose length is not predefined; bad data draws
// nothing (BarcodeProblem says why). Any other text is encoded as it stands.
std::string Ean128CodeChars(std::string_view text) {
    if (!IsBracketedGs1(text)) return EncodeCode128(text, true);
    const Gs1Parse parsed = ParseGs1(text);
    if (!parsed.Ok()) return {};
    return EncodeCode128(Gs1ElementString(parsed.fields, kFnc1Mark), true);
}
std::string Ssc14CodeChars(std::string_view text) {
    return EncodeShippingCode("01", text, 13);
}
std::string Sscc18CodeChars(std::string_view text) {
    return EncodeShippingCode("00", text, 17);
}

int Code128Modules(std::string_view codeChars) {
    return Saturated(11 * static_cast<long long>(codeChars.size()) + 2);
}

void DrawCodeChars(Surface& dc, int x, int y, int barLength, int module, std::string_view chars,
                   Orientation orientation) {
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    for (char c : chars) {
        const int value = static_cast<unsigned char>(c) - kCodeCharOffset;
        if (value < 0 || value >= static_cast<int>(kCode128Patterns.size())) return;
        cursor.Modules(kCode128Patterns[value].bits, kCode128Patterns[value].modules);
    }
}

void DrawCode128(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation) {
    DrawCodeChars(dc, x, y, barLength, module, Code128CodeChars(text), orientation);
}

void DrawEan128(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation) {
    DrawCodeChars(dc, x, y, barLength, module, Ean128CodeChars(text), orientation);
}

void DrawSsc14(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
               Orientation orientation) {
    DrawCodeChars(dc, x, y, barLength, module, Ssc14CodeChars(text), orientation);
}

void DrawSscc18(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation) {
    DrawCodeChars(dc, x, y, barLength, module, Sscc18CodeChars(text), orientation);
}

} // namespace engine
