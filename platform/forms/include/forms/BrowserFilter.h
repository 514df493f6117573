// The argument of a host browser opened for a few records: the SQL condition the browser
// appends to the where clause of its query, starting with "and". The browser's query
// names its table by an alias ("t" for Towar in TbrTowar, "w" for WarSprz in
// TbrWarunkiSprz) that the condition uses.
//
//   FormKernel::TBrowserFilter filter("and t.lTowarRef = 7");
//   FormKernel::showModalForm("TbrTowar", {menuPath}, filter, parent, "TSendPluForm");
#pragma once

#include <string>

#include "core/IUnknown.h"

namespace FormKernel {

class TBrowserFilter : public virtual Core::IUnknown {
public:
    explicit TBrowserFilter(std::string condition) : condition_(std::move(condition)) {}
    const std::string& condition() const { return condition_; }

private:
    std::string condition_;
};

}  // namespace FormKernel
