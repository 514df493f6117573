// Root interface of every object the host passes around. One object answers many
// interfaces; callers ask for the one they need with as<T>() or test with is<T>().
#pragma once

#include <stdexcept>

namespace Core {

class IUnknown {
public:
    virtual ~IUnknown() = default;

    template <class T>
    T& as() {
        if (T* p = dynamic_cast<T*>(this)) return *p;
        throw std::runtime_error("Error while casting interface Core::IUnknown");
    }
    template <class T>
    const T& as() const {
        if (const T* p = dynamic_cast<const T*>(this)) return *p;
        throw std::runtime_error("Error while casting interface Core::IUnknown");
    }
    template <class T>
    bool is() const {
        return dynamic_cast<const T*>(this) != nullptr;
    }
};

}  // namespace Core
