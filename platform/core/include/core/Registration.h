// Registration handles: destroying one undoes its registration. A module keeps all of
// its handles in one ModuleRegistrationList, destroyed when the module is unloaded.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace Core {

class Registration {
public:
    explicit Registration(std::function<void()> undo) : undo_(std::move(undo)) {}
    ~Registration() {
        if (undo_) undo_();
    }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

private:
    std::function<void()> undo_;
};

using RegistrationHandle = std::unique_ptr<Registration>;

class ModuleRegistrationList {
public:
    ~ModuleRegistrationList() { release(); }

    void add(RegistrationHandle handle) { handles_.push_back(std::move(handle)); }
    // Undoes every registration, newest first.
    void release() {
        while (!handles_.empty()) handles_.pop_back();
    }
    std::size_t size() const { return handles_.size(); }

private:
    std::vector<RegistrationHandle> handles_;
};

}  // namespace Core
