// Progress of long work: a text, a number of steps, steps done. Work that runs without
// a window gets the indicator that shows nothing.
#pragma once

#include <string>

namespace Core::ThreadUserIo {

class ISteppableProgressIndicator {
public:
    virtual ~ISteppableProgressIndicator() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setMaximum(long long steps) = 0;
    virtual void step(long long count = 1) = 0;
    virtual void finish() = 0;
};

class NullProgressIndicator : public ISteppableProgressIndicator {
public:
    void setText(const std::string&) override {}
    void setMaximum(long long) override {}
    void step(long long) override {}
    void finish() override {}
};

}  // namespace Core::ThreadUserIo
