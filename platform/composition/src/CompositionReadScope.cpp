#include "composition/CompositionReadScope.h"

#include "CompositionSnapshot.h"

namespace Composition {

namespace {
// A session serves one thread at a time, so each thread keeps its own scopes.
thread_local CompositionReadScope* innermost = nullptr;
}  // namespace

CompositionReadScope::CompositionReadScope(TSessionHolder session) : session_(std::move(session)), outer_(innermost) {
    innermost = this;
}

CompositionReadScope::~CompositionReadScope() { innermost = outer_; }

std::optional<ProductComposition> CompositionReadScope::compositionFor(std::int64_t productRef,
                                                                       const TSessionHolder& session) {
    for (CompositionReadScope* scope = innermost; scope; scope = scope->outer_) {
        if (!scope->session_.sameSession(session)) continue;
        if (!scope->snapshot_) scope->snapshot_ = std::make_unique<CompositionSnapshot>(scope->session_);
        return scope->snapshot_->compositionOf(productRef);
    }
    return std::nullopt;
}

}  // namespace Composition
