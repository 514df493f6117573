// Runs an action when the scope ends, however it ends: restores state that a call
// changed for its duration without a try/catch that repeats the restoring code.
//     Core::ScopeExit restore([&] { state_ = previous; });
// dismiss() cancels the action, for undo work that only a failure needs.
#pragma once

#include <utility>

namespace Core {

template <class Action>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() {
        if (armed_) action_();
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

    void dismiss() { armed_ = false; }

private:
    Action action_;
    bool armed_ = true;
};

}  // namespace Core
