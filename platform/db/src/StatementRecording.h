// Recording into the statement log, for the kernel's statements and calls.
#pragma once

#include <memory>
#include <string>

namespace DBKernel {

// The text is shared, not copied, so recording costs one pointer.
void recordStatement(const std::shared_ptr<const std::string>& text);

}  // namespace DBKernel
