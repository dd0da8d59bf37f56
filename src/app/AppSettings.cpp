#include "app/AppSettings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace app {
namespace {

using platform::Registry;
using platform::RegKey;
using platform::RegValue;

struct WindowField {
    const char* name;
    int WindowSettings::*member;
};
constexpr WindowField kWindowFields[] = {
    {"Left", &WindowSettings::Left},
    {"Top", &WindowSettings::Top},
    {"Height", &WindowSettings::Height},
    {"Width", &WindowSettings::Width},
    {"BarcodeType", &WindowSettings::BarcodeType},
};

using LabelMember = std::variant<double app::LabelSheet::*, engine::Unit app::LabelSheet::*,
                                 int app::PrintSettings::*, bool app::PrintSettings::*>;
struct LabelField {
    const char* name;
    LabelMember member;
};
// In the order they are read.
constexpr LabelField kLabelFields[] = {
    {"MarginTop", &app::LabelSheet::MarginTop},
    {"MarginLeft", &app::LabelSheet::MarginLeft},
    {"LabelHeight", &app::LabelSheet::LabelHeight},
    {"LabelWidth", &app::LabelSheet::LabelWidth},
    {"GapHeight", &app::LabelSheet::GapHeight},
    {"GapWidth", &app::LabelSheet::GapWidth},
    {"Pages", &app::PrintSettings::Pages},
    {"PrintScale", &app::PrintSettings::PrintScale},
    {"Copies", &app::PrintSettings::Copies},
    {"BP", &app::PrintSettings::BP},
    {"PR", &app::PrintSettings::PR},
    {"MetricLabel", &app::LabelSheet::Unit},
    {"HAlign", &app::PrintSettings::HAlign},
    {"VAlign", &app::PrintSettings::VAlign},
};
// They are written in another order.
constexpr std::string_view kLabelSaveOrder[] = {
    "MarginTop",  "MarginLeft", "LabelHeight", "LabelWidth", "GapHeight", "GapWidth", "Pages",
    "PrintScale", "Copies",     "MetricLabel", "HAlign",     "VAlign",    "BP",       "PR",
};
static_assert(std::size(kLabelSaveOrder) == std::size(kLabelFields));

template <class Settings, class T> auto& Member(Settings& s, T app::LabelSheet::*member) {
    return s.Labels.*member;
}
template <class Settings, class T> auto& Member(Settings& s, T app::PrintSettings::*member) {
    return s.Printing.*member;
}

// A value of the wrong registry type counts as missing; `out` changes only on success.
bool Decode(const std::optional<RegValue>& value, int& out) {
    const std::optional<std::uint32_t> dword = value ? value->ToDword() : std::nullopt;
    if (dword) out = static_cast<std::int32_t>(*dword);
    return dword.has_value();
}
bool Decode(const std::optional<RegValue>& value, bool& out) {
    int number = 0;
    if (!Decode(value, number)) return false;
    out = number != 0;
    return true;
}
// Stored as a flag: nonzero for centimetres.
bool Decode(const std::optional<RegValue>& value, engine::Unit& out) {
    bool centimetres = false;
    if (!Decode(value, centimetres)) return false;
    out = engine::UnitFromMetricFlag(centimetres);
    return true;
}
bool Decode(const std::optional<RegValue>& value, double& out) {
    const std::optional<double> real = value ? value->ToDouble() : std::nullopt;
    if (real) out = *real;
    return real.has_value();
}

RegValue Encode(int value) {
    return RegValue::Dword(static_cast<std::uint32_t>(value));
}
RegValue Encode(bool value) {
    return RegValue::Dword(value ? 1 : 0);
}
RegValue Encode(double value) {
    return RegValue::Double(value);
}
RegValue Encode(engine::Unit unit) {
    return Encode(engine::MetricFlagOf(unit));
}

bool DecodeField(const std::optional<RegValue>& value, const LabelField& field,
                 AppSettings& settings) {
    return std::visit([&](auto member) { return Decode(value, Member(settings, member)); },
                      field.member);
}
RegValue EncodeField(const LabelField& field, const AppSettings& settings) {
    return std::visit([&](auto member) { return Encode(Member(settings, member)); }, field.member);
}

// Stops at the first value missing or of the wrong type; `read` keeps what came before it.
bool ReadWindowGroup(const Registry& registry, const RegKey& key, WindowSettings& read,
                     engine::Unit& unit) {
    for (const WindowField& field : kWindowFields)
        if (!Decode(registry.ReadValue(key, field.name), read.*field.member)) return false;
    const std::optional<RegValue> value = registry.ReadValue(key, "Metric");
    return !value || Decode(value, unit); // absent: inches
}

// Left and Top fall back to 50; a Height or Width read before the failure stays.
void LoadWindowGroup(const Registry& registry, const RegKey& key, AppSettings& settings) {
    WindowSettings read;
    engine::Unit unit = engine::Unit::Inch;
    if (ReadWindowGroup(registry, key, read, unit)) {
        settings.Window = read;
        settings.Unit = unit;
        return;
    }
    settings.Window = WindowSettings();
    settings.Window.Height = read.Height;
    settings.Window.Width = read.Width;
    settings.Unit = engine::Unit::Inch;
}

// All or nothing: a failure gives every value of the group its default.
void LoadLabelGroup(const Registry& registry, const RegKey& key, AppSettings& settings) {
    for (const LabelField& field : kLabelFields) {
        if (!DecodeField(registry.ReadValue(key, field.name), field, settings)) {
            settings.Labels = app::LabelSheet();
            settings.Printing = app::PrintSettings();
            return;
        }
    }
}

QString LoadPath(const Registry& registry, const RegKey& key, const QString& programFolder) {
    const std::optional<RegValue> value = registry.ReadValue(key, "Path");
    if (!value) return {};
    if (std::optional<QString> text = value->ToString()) return *text;
    if (programFolder.isEmpty() || programFolder.endsWith(QLatin1Char('/'))) return programFolder;
    return programFolder + QLatin1Char('/');
}

const LabelField& LabelFieldNamed(std::string_view name) {
    return *std::find_if(std::begin(kLabelFields), std::end(kLabelFields),
                         [&](const LabelField& field) { return field.name == name; });
}

// Every value in the order it is written.
std::vector<std::pair<QString, RegValue>> SavedValues(const AppSettings& settings) {
    std::vector<std::pair<QString, RegValue>> values;
    for (const WindowField& field : kWindowFields)
        values.emplace_back(field.name, Encode(settings.Window.*field.member));
    values.emplace_back("Metric", Encode(settings.Unit));
    for (std::string_view name : kLabelSaveOrder) {
        const LabelField& field = LabelFieldNamed(name);
        values.emplace_back(field.name, EncodeField(field, settings));
    }
    values.emplace_back("Path", RegValue::String(settings.Path));
    return values;
}

} // namespace

RegKey OpenSettingsKey(Registry& registry) {
    RegKey key = registry.OpenKey(platform::RegRoot::CurrentUser, "Software", false);
    for (const char* name : {"Vorhelm Software", "Tallyrune"})
        key = registry.OpenKey(key, name, true);
    return key;
}

void AppSettings::Load(Registry& registry, const QString& programFolder) {
    const RegKey key = OpenSettingsKey(registry);
    LoadWindowGroup(registry, key, *this);
    LoadLabelGroup(registry, key, *this);
    Path = LoadPath(registry, key, programFolder);
    Offsets.Load(registry, key);
    Recent.Load(registry, key);
}

void AppSettings::Save(Registry& registry) const {
    try {
        const RegKey key = OpenSettingsKey(registry);
        for (const auto& [name, value] : SavedValues(*this))
            registry.WriteValue(key, name, value);
        Offsets.Save(registry, key);
        Recent.Save(registry, key);
    } catch (const platform::Failure&) {
        // Saving never reports; what was written before the failure stays.
    }
    try {
        registry.Flush();
    } catch (const platform::Failure&) {
    }
}

} // namespace app
