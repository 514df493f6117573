#include "ConsoleProgressBar.h"

#include <algorithm>

namespace Korvel::App {

namespace {
constexpr int Width = 30;
constexpr auto RedrawInterval = std::chrono::milliseconds(100);
}  // namespace

void ConsoleProgressBar::setText(const std::string& text) {
    text_ = text;
    draw();
}

void ConsoleProgressBar::setMaximum(long long steps) {
    maximum_ = steps;
    done_ = 0;
    draw();
}

void ConsoleProgressBar::step(long long count) {
    done_ += count;
    if (std::chrono::steady_clock::now() - lastDraw_ >= RedrawInterval || done_ == maximum_) draw();
}

void ConsoleProgressBar::finish() {
    if (!drawn_) return;
    draw();
    out_ << '\n' << std::flush;
    drawn_ = false;
}

void ConsoleProgressBar::draw() {
    const long long shown = maximum_ > 0 ? std::clamp(done_, 0LL, maximum_) : 0;
    const int filled = maximum_ > 0 ? static_cast<int>(shown * Width / maximum_) : 0;
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(Width - filled), '-') << "] " << done_ << '/' << maximum_ << "  "
         << text_ << "\033[K" << std::flush;
    drawn_ = true;
    lastDraw_ = std::chrono::steady_clock::now();
}

}  // namespace Korvel::App
