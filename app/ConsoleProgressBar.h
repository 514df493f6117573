// A progress bar drawn on a terminal: "[#####-----]  1234/5000  text", redrawn in place
// at most a few times a second.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "core/ProgressIndicator.h"

namespace Korvel::App {

class ConsoleProgressBar : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    explicit ConsoleProgressBar(std::ostream& terminal) : out_(terminal) {}

    void setText(const std::string& text) override;
    void setMaximum(long long steps) override;
    void step(long long count) override;
    void finish() override;

private:
    void draw();

    std::ostream& out_;
    std::string text_;
    long long maximum_ = 0;
    long long done_ = 0;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

}  // namespace Korvel::App
