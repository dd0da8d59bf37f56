#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace testing_support {

std::ostream& operator<<(std::ostream& out, const RecordedRect& r) {
    return out << (r.fill == engine::Fill::Black ? "black" : "white") << " {" << r.left << ", "
               << r.top << ", " << r.right << ", " << r.bottom << "}";
}

std::ostream& operator<<(std::ostream& out, const Span& s) {
    return out << "{along " << s.along0 << ".." << s.along1 << ", across " << s.across0 << ".."
               << s.across1 << "}";
}

std::vector<Span> Spans(const std::vector<RecordedRect>& rects, int x0, int y0,
                        engine::Orientation o) {
    std::vector<Span> spans;
    for (const auto& r : rects) {
        if (engine::AdvancesAlongY(o))
            spans.push_back({r.top - y0, r.bottom - y0, r.left - x0, r.right - x0});
        else
            spans.push_back({r.left - x0, r.right - x0, r.top - y0, r.bottom - y0});
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

std::string ModuleString(const std::vector<Span>& bars, int module, int barLength) {
    std::string modules;
    for (const Span& s : bars) {
        if (s.across0 != 0 || s.across1 != barLength) continue;
        if (s.along0 < 0 || s.along1 <= s.along0 || s.along0 % module || s.along1 % module) {
            ADD_FAILURE() << "bar " << s << " is off the grid of module " << module;
            continue;
        }
        const auto end = static_cast<std::size_t>(s.along1 / module);
        if (modules.size() < end) modules.resize(end, '0');
        std::fill(modules.begin() + s.along0 / module, modules.begin() + s.along1 / module, '1');
    }
    return modules;
}

std::vector<Span> PartialBars(const std::vector<Span>& bars, int barLength) {
    std::vector<Span> partial;
    for (const Span& s : bars)
        if (s.across0 != 0 || s.across1 != barLength) partial.push_back(s);
    return partial;
}

} // namespace testing_support
