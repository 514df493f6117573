#include "core/SrcInfo.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

#include "core/Errors.h"

namespace Core {

std::string SrcInfo::toString() const { return std::string(file) + ":" + std::to_string(line) + " " + function; }

std::string demangle(const char* mangledName) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangledName, nullptr, nullptr, &status),
                                                    std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangledName);
}

}  // namespace Core
