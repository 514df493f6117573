#include "db/GetRef.h"

#include "KernelAccess.h"
#include "Session.h"

std::int64_t GetRef(const TSessionHolder& session) {
    return DBKernel::KernelAccess::session(session).connection().nextReference();
}
