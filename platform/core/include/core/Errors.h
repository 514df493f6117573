// Errors that remember where they were raised. what() is the user's message, unchanged.
#pragma once

#include <stdexcept>
#include <string>

#include "core/SrcInfo.h"

namespace Core {

class PlacedRuntimeError : public std::runtime_error {
public:
    PlacedRuntimeError(const std::string& message, const SrcInfo& place) : std::runtime_error(message), place_(place) {}
    const SrcInfo& place() const noexcept { return place_; }

private:
    SrcInfo place_;
};

class PlacedLogicError : public std::logic_error {
public:
    PlacedLogicError(const std::string& message, const SrcInfo& place) : std::logic_error(message), place_(place) {}
    const SrcInfo& place() const noexcept { return place_; }

private:
    SrcInfo place_;
};

// Readable name of a type, for messages that name one ("Korvel::TKey::TRep").
std::string demangle(const char* mangledName);

template <class T>
std::string typeName() {
    return demangle(typeid(T).name());
}

}  // namespace Core
