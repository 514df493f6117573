// A count of the module's (64-bit, maybe still 0) on a Qt progress bar (int): an empty
// count is drawn as an empty bar rather than as Qt's busy indicator.
#pragma once

#include <QProgressBar>
#include <algorithm>
#include <limits>

namespace Korvel::Gui {

inline void showOnBar(QProgressBar* bar, long long position, long long maximum) {
    constexpr long long largest = std::numeric_limits<int>::max();
    bar->setRange(0, static_cast<int>(std::clamp(maximum, 1LL, largest)));
    bar->setValue(static_cast<int>(std::clamp(position, 0LL, largest)));
}

}  // namespace Korvel::Gui
