#include "RecordingSurface.h"

namespace testing_support {

std::string ModulesFromBars(const std::vector<RecordedRect>& bars, int x0, int module, int count) {
    std::string modules(static_cast<std::size_t>(count), '0');
    for (const auto& bar : bars)
        for (int x = bar.left; x < bar.right; x += module) {
            const int index = (x - x0) / module;
            if (index >= 0 && index < count) modules[static_cast<std::size_t>(index)] = '1';
        }
    return modules;
}

} // namespace testing_support
