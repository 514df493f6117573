// The kernel's way to the members of its public types that its users may not call: the
// session behind a holder and the naming of a statement's binds. Only the kernel's own
// sources include this header.
#pragma once

#include <string>
#include <vector>

#include "db/Param.h"
#include "db/SessionHolder.h"

namespace DBKernel {

class KernelAccess {
public:
    static Session& session(const TSessionHolder& holder) { return holder.session(); }
    // The binds of a statement, in bind order.
    static void assignNames(Sql::Parameters& params, const std::vector<std::string>& names) {
        params.assignNames(names);
    }
    static Sql::Param& addParam(Sql::Parameters& params, std::string name, Sql::ValueType declaredType) {
        return params.add(std::move(name), declaredType);
    }
};

}  // namespace DBKernel
