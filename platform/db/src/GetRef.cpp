#include "db/GetRef.h"

#include "Session.h"

std::int64_t GetRef(const TSessionHolder& session) { return session.session().connection().nextReference(); }
