// Makes a run over many products read the product sets once. While a scope lives,
// CompositionOracleDao::getComposition on the scope's session and thread answers from
// one snapshot of every live set and its live members, taken at the first call:
//
//   Composition::CompositionReadScope compositions(session);
//   for (each product of the run)
//       use(Composition::CompositionOracleDao::getComposition(productRef, session));
//
// Without a scope every call reads the members of the product's sets again: at chain
// scale a set has thousands of members and each of them is sent, so the run would grow
// with the square of the set. Links changed by another session while the scope lives
// are seen by the next scope. Scopes may nest; the innermost one on the session serves.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "composition/CompositionOracleDao.h"
#include "db/SessionHolder.h"

namespace Composition {

class CompositionSnapshot;

class CompositionReadScope {
public:
    explicit CompositionReadScope(TSessionHolder session);
    ~CompositionReadScope();
    CompositionReadScope(const CompositionReadScope&) = delete;
    CompositionReadScope& operator=(const CompositionReadScope&) = delete;

    // The composition from this scope's snapshot, or nothing when the innermost scope
    // of this thread serves no such session.
    static std::optional<ProductComposition> compositionFor(std::int64_t productRef, const TSessionHolder& session);

private:
    TSessionHolder session_;
    std::unique_ptr<CompositionSnapshot> snapshot_;  // taken at the first call
    CompositionReadScope* outer_;
};

}  // namespace Composition
