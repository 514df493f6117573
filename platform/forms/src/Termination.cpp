#include "forms/Termination.h"

#include <atomic>

namespace FormKernel {

namespace {
// One per process: this library is shared by the program and every module.
std::atomic<int> blocks{0};
}  // namespace

void disableTermination() { ++blocks; }

void enableTermination() {
    int current = blocks.load();
    // An unmatched enable must not let a later block's veto go unnoticed.
    while (current > 0 && !blocks.compare_exchange_weak(current, current - 1)) {}
}

bool terminationAllowed() { return blocks.load() == 0; }

}  // namespace FormKernel
