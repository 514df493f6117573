#include "config/Key.h"

#include <boost/format.hpp>

#include "core/Errors.h"

namespace Korvel {

namespace {
constexpr char pathSeparator = '\\';
}

void raise_logic_error(const std::string& message, const Core::SrcInfo& place) {
    throw Core::PlacedLogicError(message, place);
}

// --- TRep -------------------------------------------------------------------------

TKey::TRep::TRep(std::string name, std::string path, std::weak_ptr<TRep> parent, bool present)
    : name_(std::move(name)), path_(std::move(path)), parent_(std::move(parent)), present_(present) {}

TValue TKey::TRep::Value() const {
    std::lock_guard lock(mutex_);
    return value_;
}

TKey TKey::TRep::childNamed(const std::string& name, bool attachMissing) {
    std::lock_guard lock(mutex_);
    for (const TKey& child : children_)
        if (child.rep_->name_ == name) return child;
    if (!attachMissing) return TKey();
    std::string childPath = path_.empty() ? name : path_ + pathSeparator + name;
    TKey child(std::shared_ptr<TRep>(new TRep(name, std::move(childPath), weak_from_this(), false)));
    children_.push_back(child);
    return child;
}

TKey TKey::TRep::childAt(std::size_t index) const {
    std::lock_guard lock(mutex_);
    return children_.at(index);
}

std::size_t TKey::TRep::nextPresentChild(std::size_t from) const {
    std::lock_guard lock(mutex_);
    for (std::size_t i = from; i < children_.size(); ++i)
        if (children_[i].rep_->isPresent()) return i;
    return npos;
}

void TKey::TRep::markPresent() {
    // Ancestors of a real node are real, so the walk stops at the first one already marked.
    // No lock is held: the flag is atomic and the parent link never changes.
    std::shared_ptr<TRep> node = shared_from_this();
    while (node && !node->present_.exchange(true)) node = node->parent_.lock();
}

// --- TKey -------------------------------------------------------------------------

TKey TKey::createRoot() { return TKey(std::shared_ptr<TRep>(new TRep("", "", {}, true))); }

TKey TKey::GetKey(const TAnyString& name) const { return rep_->childNamed(name.str(), true); }

std::optional<TKey> TKey::FindKey(const TAnyString& name) const {
    TKey child = rep_->childNamed(name.str(), false);
    if (!child || !child.rep_->isPresent()) return std::nullopt;
    return child;
}

TKey TKey::CreateKey(const TAnyString& name) const {
    TKey child = GetKey(name);
    child.rep_->markPresent();
    return child;
}

template <ConfigValueType T>
T TKey::GetVal() const {
    const TRep& node = *rep_;
    std::lock_guard lock(node.mutex_);
    if (std::optional<T> value = node.value_.get<T>()) return *value;
    if (!node.value_.empty())
        raise_logic_error(boost::str(boost::format("nie można rzutować wartości klucza\n%1%\ntypu (%2%) na (%3%)") %
                                     node.path_ % node.value_.typeName() % valueTypeName<T>()),
                          CORE_SRC_INFO("TKey::GetVal"));
    raise_logic_error(boost::str(boost::format("próba pobrania wartości typu (%1%) z pustego klucza\n%2%") %
                                 valueTypeName<T>() % node.path_),
                      CORE_SRC_INFO("TKey::GetVal"));
}

template <ConfigValueType T>
T TKey::GetRequiredVal(const TAnyString& childName) const {
    std::optional<TKey> child = FindKey(childName);
    if (!child)
        raise_logic_error(
            boost::str(boost::format("brak wymaganego klucza (%1%) w kluczu\n%2%") % childName.str() % rep_->path_),
            CORE_SRC_INFO("TKey::GetRequiredVal"));
    return child->GetVal<T>();
}

template <ConfigValueType T>
TKey TKey::set_val(T value) const {
    {
        std::lock_guard lock(rep_->mutex_);
        rep_->value_.set(std::move(value));
    }
    rep_->markPresent();
    return *this;
}

TKey::ChildIterator TKey::begin() const { return ChildIterator(rep_, rep_->nextPresentChild(0)); }

TKey::ChildIterator TKey::end() const { return ChildIterator(rep_, TRep::npos); }

std::size_t TKey::size() const {
    std::size_t count = 0;
    for (auto it = begin(); it != end(); ++it) ++count;
    return count;
}

std::string TKey::Name() const { return rep_->name_; }

AnsiString TKey::GetName() const { return AnsiString(rep_->name_); }

#define KORVEL_CONFIG_INSTANTIATE(T)                                       \
    template T TKey::GetVal<T>() const;                                    \
    template T TKey::GetRequiredVal<T>(const TAnyString& childName) const; \
    template TKey TKey::set_val<T>(T value) const;

KORVEL_CONFIG_INSTANTIATE(bool)
KORVEL_CONFIG_INSTANTIATE(int)
KORVEL_CONFIG_INSTANTIATE(std::string)
KORVEL_CONFIG_INSTANTIATE(AnsiString)
#undef KORVEL_CONFIG_INSTANTIATE

// --- ChildIterator ----------------------------------------------------------------

TKey::ChildIterator& TKey::ChildIterator::operator++() {
    index_ = parent_->nextPresentChild(index_ + 1);
    return *this;
}

TKey::ChildIterator TKey::ChildIterator::operator++(int) {
    ChildIterator before = *this;
    ++*this;
    return before;
}

}  // namespace Korvel
