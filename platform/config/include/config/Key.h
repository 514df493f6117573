// The configuration tree: named nodes, each with ordered named children and at most
// one typed value. A TKey is a value-type handle; copies share one node.
//
// A node's path is the names from below the root down to the node, joined by a
// backslash: "Parametry programu\FrontOffice\Serwer Kasowy". The root's path is "".
//
// Reading a child that does not exist (GetKey) attaches an empty placeholder, so that
// the read fails only at GetVal, naming the full path. A placeholder stays invisible
// (to FindKey, iteration, size and saving) until it or a node below it gets a value.
#pragma once

#include <atomic>
#include <cstddef>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "config/AnyString.h"
#include "config/KeyValue.h"
#include "core/AnsiString.h"
#include "core/JavaPointer.h"
#include "core/SrcInfo.h"

namespace Korvel {

// Raises the library's logic error (Core::PlacedLogicError) with the message as given.
[[noreturn]] void raise_logic_error(const std::string& message, const Core::SrcInfo& place);

// Host contract: the configuration key and its typed access.
class TKey {
public:
    class TRep;
    class ChildIterator;

    // A handle without a node; every operation on it raises java::null_pointer.
    TKey() = default;
    explicit TKey(java::pointer<TRep> rep) : rep_(std::move(rep)) {}

    // A new tree: an empty root node.
    static TKey createRoot();

    // The named child; a missing one is attached as a placeholder (see above).
    TKey GetKey(const TAnyString& name) const;
    // The named child when it exists and is not a placeholder; never attaches one.
    std::optional<TKey> FindKey(const TAnyString& name) const;
    // The named child, made a real (saved, visible) node if it was missing or a placeholder.
    TKey CreateKey(const TAnyString& name) const;

    // The value if the node holds one of kind T. Otherwise a logic error with the path:
    // a value of another kind cannot be cast, and an empty node has nothing to give.
    template <ConfigValueType T>
    T GetVal() const;
    // The value of a child that must exist (FindKey), read as by GetVal; a missing
    // child is a logic error naming the child and this node's path.
    template <ConfigValueType T>
    T GetRequiredVal(const TAnyString& childName) const;
    // Replaces the node's value (of any kind) and makes the node real. Returns this key.
    template <ConfigValueType T>
    TKey set_val(T value) const;

    // Children in their order, placeholders skipped.
    ChildIterator begin() const;
    ChildIterator end() const;
    std::size_t size() const;

    std::string Name() const;
    AnsiString GetName() const;

    const java::pointer<TRep>& rep() const noexcept { return rep_; }
    explicit operator bool() const noexcept { return static_cast<bool>(rep_); }

private:
    java::pointer<TRep> rep_;
};

// The shared node. Name and path never change; value and children are guarded by the
// node's own mutex. Children are only ever appended, so a child's index is stable.
class TKey::TRep : public std::enable_shared_from_this<TKey::TRep> {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    const std::string& name() const noexcept { return name_; }
    const std::string& strPath() const noexcept { return path_; }
    // A copy of the value holder, taken under the node's lock.
    TValue Value() const;
    // False for a placeholder attached by a read.
    bool isPresent() const noexcept { return present_.load(); }

private:
    friend class TKey;
    friend class TKey::ChildIterator;

    TRep(std::string name, std::string path, std::weak_ptr<TRep> parent, bool present);

    TKey childNamed(const std::string& name, bool attachMissing);
    TKey childAt(std::size_t index) const;
    // Index of the first real child at or after `from`, npos when there is none.
    std::size_t nextPresentChild(std::size_t from) const;
    // Makes this node and every placeholder above it real.
    void markPresent();

    const std::string name_;
    const std::string path_;
    const std::weak_ptr<TRep> parent_;
    std::atomic<bool> present_;
    mutable std::mutex mutex_;
    TValue value_;
    std::vector<TKey> children_;
};

// Walks the real children of one node by index. Children appended during the walk are
// visited too; the walk never sees a child twice.
class TKey::ChildIterator {
public:
    using value_type = TKey;
    using reference = TKey;
    using difference_type = std::ptrdiff_t;
    using iterator_category = std::input_iterator_tag;

    struct ArrowProxy {
        TKey key;
        const TKey* operator->() const noexcept { return &key; }
    };

    ChildIterator() = default;
    ChildIterator(java::pointer<TRep> parent, std::size_t index) : parent_(std::move(parent)), index_(index) {}

    TKey operator*() const { return parent_->childAt(index_); }
    ArrowProxy operator->() const { return ArrowProxy{**this}; }
    ChildIterator& operator++();
    ChildIterator operator++(int);

    friend bool operator==(const ChildIterator& a, const ChildIterator& b) noexcept {
        return a.parent_ == b.parent_ && a.index_ == b.index_;
    }

private:
    java::pointer<TRep> parent_;
    std::size_t index_ = TRep::npos;
};

}  // namespace Korvel
