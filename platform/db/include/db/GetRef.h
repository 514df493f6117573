// New unique values for reference columns (lParamUrzRef, ...), unique across sessions.
// The shop schema creates the counter:
//   PostgreSQL:  create sequence korvel_ref_seq start with N;
//   SQLite:      create table korvel_ref (last_value integer not null);
//                insert into korvel_ref values (N - 1);
// with N above every reference the schema's own rows use. Missing, it raises EOraError 942.
#pragma once

#include <cstdint>

#include "db/SessionHolder.h"

std::int64_t GetRef(const TSessionHolder& session = TSessionHolder(true));
