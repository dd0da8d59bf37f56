#include "platform/SizedFont.h"

#include "platform/SurfaceText.h"

#include <QFontMetrics>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cmath>

namespace platform {
namespace {

int CellHeightAt(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// Qt rounds a width in 64ths of a pixel half up to whole pixels.
int RoundFixed(int value) {
    return (value + 32) >> 6;
}

// Layout features Qt's shaper applies to Latin text by default that join or change characters
// by their neighbours, or place them along a curve.
constexpr std::string_view kContextualFeatures[] = {"liga", "clig", "calt", "rlig", "rclt", "curs"};
constexpr std::string_view kKerningFeatures[] = {"kern", "dist"};
constexpr std::size_t kMaxCachedFonts = 16;
constexpr int kUnmeasured = INT_MIN;

// The feature tags of an OpenType GSUB or GPOS table: its header holds the feature list's
// offset, the list a count and then records of a tag and an offset.
std::vector<std::string> FeatureTags(const QByteArray& table) {
    const auto u16 = [&](qsizetype at) {
        return at >= 0 && at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at)
                                                 : quint16{0};
    };
    std::vector<std::string> tags;
    const qsizetype list = u16(6);
    for (qsizetype i = 0, count = u16(list); list > 0 && i < count; ++i) {
        const qsizetype record = list + 2 + 6 * i;
        if (record + 6 > table.size()) break;
        tags.emplace_back(table.constData() + record, 4);
    }
    return tags;
}

bool HasAny(const std::vector<std::string>& tags, const auto& wanted) {
    return std::any_of(tags.begin(), tags.end(), [&](const std::string& tag) {
        return std::find(std::begin(wanted), std::end(wanted), tag) != std::end(wanted);
    });
}

// Printable Latin-1 only: controls, the soft hyphen and Qt's string separator (0x9C) are laid
// out by rules of their own.
bool Printable(int c) {
    return (c >= 0x20 && c < 0x7F) || (c > 0xA0 && c != 0xAD);
}

} // namespace

QFont FontForCellHeight(const QString& face, int cellHeight, int weight) {
    QFont font(face);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    const int target = std::max(cellHeight, 1);
    // Start from the face's proportions, then step to the largest size that still fits.
    const int reference = 100;
    const int referenceHeight = std::max(CellHeightAt(font, reference), 1);
    int size = std::max(1, target * reference / referenceHeight);
    while (size > 1 && CellHeightAt(font, size) > target)
        --size;
    while (CellHeightAt(font, size + 1) <= target)
        ++size;
    font.setPixelSize(size);
    return font;
}

// --- SizedFont ---

SizedFont::SizedFont(QFont font) : font_(std::move(font)) {
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    cellHeight_ = metrics.ascent() + metrics.descent();
    widths_.fill(kUnmeasured);
    const QRawFont raw = QRawFont::fromFont(font_);
    const std::vector<std::string> substitutions = FeatureTags(raw.fontTable("GSUB"));
    const std::vector<std::string> positions = FeatureTags(raw.fontTable("GPOS"));
    // Not an OpenType face (no "head"), or laid out by Apple's tables: left to Qt.
    const bool foreign = raw.fontTable("head").isEmpty() || !raw.fontTable("morx").isEmpty() ||
                         !raw.fontTable("mort").isEmpty() || !raw.fontTable("kerx").isEmpty();
    if (!raw.isValid() || foreign || HasAny(substitutions, kContextualFeatures) ||
        HasAny(positions, kContextualFeatures))
        layout_ = Layout::Contextual;
    else if (HasAny(positions, kKerningFeatures) || !raw.fontTable("kern").isEmpty())
        layout_ = Layout::Kerned;
    else
        layout_ = Layout::Plain;
    for (int c = 0; c < 256; ++c)
        inFace_[static_cast<std::size_t>(c)] =
            Printable(c) && raw.supportsCharacter(QChar(static_cast<char16_t>(c)));
}

bool SizedFont::Measurable(std::string_view text, std::string& latin1) const {
    return layout_ != Layout::Contextual && ToLatin1(text, latin1) &&
           std::all_of(latin1.begin(), latin1.end(),
                       [&](char c) { return inFace_[static_cast<unsigned char>(c)]; });
}

int SizedFont::CharWidth(unsigned char c) const {
    int& width = widths_[c];
    if (width == kUnmeasured)
        width = static_cast<int>(
            std::lround(QFontMetricsF(font_).horizontalAdvance(QString(QChar(char16_t{c}))) * 64));
    return width;
}

int SizedFont::PairKerning(unsigned char first, unsigned char second) const {
    if (layout_ == Layout::Plain) return 0;
    if (kerning_.empty()) kerning_.assign(256 * 256, kUnmeasured);
    int& kerning = kerning_[static_cast<std::size_t>(first) * 256 + second];
    if (kerning == kUnmeasured) {
        const QChar chars[] = {QChar(char16_t{first}), QChar(char16_t{second})};
        const QString pair(chars, 2);
        const auto both = std::lround(QFontMetricsF(font_).horizontalAdvance(pair) * 64);
        kerning = static_cast<int>(both) - CharWidth(first) - CharWidth(second);
    }
    return kerning;
}

// Calls step(prefix) with the width of each growing prefix, 64ths of a pixel, as Qt measures the
// prefix on its own: the kerning after its last character is not part of it. Returns the last.
template <class Step> int SizedFont::Walk(std::string_view text, Step step) const {
    int prefix = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (i > 0) prefix += PairKerning(static_cast<unsigned char>(text[i - 1]), c);
        prefix += CharWidth(c);
        step(prefix);
    }
    return prefix;
}

int SizedFont::AverageWidth() const {
    return QFontMetrics(font_).averageCharWidth();
}

int SizedFont::Width(std::string_view text) const {
    std::string latin1;
    if (!Measurable(text, latin1))
        return QFontMetrics(font_).horizontalAdvance(SurfaceString(text));
    return RoundFixed(Walk(latin1, [](int) {}));
}

std::vector<int> SizedFont::PrefixAdvances(std::string_view text) const {
    std::vector<int> advances;
    advances.reserve(text.size());
    int previous = 0;
    const auto record = [&](int width) {
        advances.push_back(width - previous);
        previous = width;
    };
    std::string latin1;
    if (Measurable(text, latin1)) {
        Walk(latin1, [&](int prefix) { record(RoundFixed(prefix)); });
        return advances;
    }
    const QFontMetrics metrics(font_);
    const QString string = SurfaceString(text);
    for (qsizetype end = 0; end < string.size();) {
        // A surrogate pair is one character: its advance goes on its first unit, 0 on its second.
        const bool pair = string[end].isHighSurrogate() && end + 1 < string.size() &&
                          string[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
        record(metrics.horizontalAdvance(string.left(end)));
        if (pair) advances.push_back(0);
    }
    return advances;
}

bool SizedFont::PenPositions(std::string_view text, std::vector<int>& pens) const {
    std::string latin1;
    if (layout_ != Layout::Plain || !Measurable(text, latin1)) return false;
    pens.assign(1, 0);
    Walk(latin1, [&](int prefix) { pens.push_back(prefix); });
    pens.pop_back(); // the end of the last character is no pen position
    return true;
}

// --- FontCache ---

std::shared_ptr<const SizedFont> FontCache::Get(const engine::FontSpec& asked) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.cellHeight == asked.cellHeight && e.weight == asked.weight && e.face == asked.face;
    });
    if (found != entries_.end()) {
        std::rotate(found, found + 1, entries_.end());
        return entries_.back().font;
    }
    if (entries_.size() >= kMaxCachedFonts) entries_.erase(entries_.begin());
    entries_.push_back({asked.face, asked.cellHeight, asked.weight,
                        std::make_shared<const SizedFont>(FontForCellHeight(
                            QString::fromStdString(asked.face), asked.cellHeight, asked.weight))});
    return entries_.back().font;
}

} // namespace platform
