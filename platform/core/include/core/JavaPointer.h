// The host core's reference-counted pointer: shared ownership, and a dereference of an
// empty pointer raises java::null_pointer naming the pointee type instead of crashing.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/Errors.h"

namespace java {

class null_pointer : public std::runtime_error {
public:
    explicit null_pointer(const std::string& typeName) : std::runtime_error("refering to null " + typeName) {}
};

template <class T>
class pointer {
public:
    pointer() = default;
    pointer(std::nullptr_t) {}
    pointer(std::shared_ptr<T> p) : p_(std::move(p)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    pointer(const pointer<U>& other) : p_(other.shared()) {}

    T* operator->() const { return &checked(); }
    T& operator*() const { return checked(); }
    T* get() const noexcept { return p_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(p_); }
    const std::shared_ptr<T>& shared() const noexcept { return p_; }

    friend bool operator==(const pointer& a, const pointer& b) noexcept { return a.p_ == b.p_; }

private:
    T& checked() const {
        if (!p_) throw null_pointer(Core::typeName<T>());
        return *p_;
    }
    std::shared_ptr<T> p_;
};

template <class T, class... Args>
pointer<T> make(Args&&... args) {
    return pointer<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

}  // namespace java
