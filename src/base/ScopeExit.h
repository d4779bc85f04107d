#pragma once
// Runs an action when the scope ends, however it ends: for undoing a step that has no handle to
// own (a depth counter, a flag, a call that must be paired with another). Dismiss() keeps the
// action from running.
#include <utility>

namespace tavrix {

template <typename Action> class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() {
        if (armed_) {
            action_();
        }
    }
    ScopeExit(ScopeExit&& other) noexcept
        : action_(std::move(other.action_)), armed_(std::exchange(other.armed_, false)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    // Runs the action held now, then holds other's.
    ScopeExit& operator=(ScopeExit&& other) noexcept {
        if (this != &other) {
            if (armed_) {
                action_();
            }
            action_ = std::move(other.action_);
            armed_ = std::exchange(other.armed_, false);
        }
        return *this;
    }

    void Dismiss() noexcept { armed_ = false; }

private:
    Action action_;
    bool armed_ = true;
};

} // namespace tavrix
