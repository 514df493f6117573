#include "RowPacking.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace Db::RowPacking {

using DBKernel::Sql::Value;
using DBKernel::Sql::ValueType;

namespace {

// Large enough that the blocks' own cost vanishes, small enough that the last one's
// unused tail does not matter.
constexpr std::size_t kBlockSize = 256 * 1024;

constexpr unsigned kTypeBits = 2;
constexpr std::byte kTypeMask{0x3};

std::byte tagOf(const Value& value) {
    const auto declared = value.isNull() ? value.bindType() : ValueType::Null;
    return std::byte(static_cast<unsigned>(value.type()) | static_cast<unsigned>(declared) << kTypeBits);
}

std::uint64_t zigzag(std::int64_t number) {
    return (static_cast<std::uint64_t>(number) << 1) ^ static_cast<std::uint64_t>(number >> 63);
}

std::int64_t unzigzag(std::uint64_t number) {
    return static_cast<std::int64_t>(number >> 1) ^ -static_cast<std::int64_t>(number & 1);
}

std::size_t varintSize(std::uint64_t number) {
    std::size_t size = 1;
    for (; number >= 0x80; number >>= 7) ++size;
    return size;
}

std::byte* putVarint(std::byte* out, std::uint64_t number) {
    for (; number >= 0x80; number >>= 7) *out++ = std::byte((number & 0x7f) | 0x80);
    *out++ = std::byte(number);
    return out;
}

std::uint64_t getVarint(const std::byte*& in) {
    std::uint64_t number = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto part = std::to_integer<std::uint64_t>(*in++);
        number |= (part & 0x7f) << shift;
        if (part < 0x80) return number;
    }
}

std::size_t packedSize(const Value& value) {
    const auto view = value.view();
    switch (value.type()) {
    case ValueType::Null: return 1;
    case ValueType::Integer: return 1 + varintSize(zigzag(view.integer));
    case ValueType::Double: return 1 + sizeof(double);
    case ValueType::Text: return 1 + varintSize(view.text.size()) + view.text.size();
    }
    return 1;
}

std::byte* pack(std::byte* out, const Value& value) {
    *out++ = tagOf(value);
    const auto view = value.view();
    switch (value.type()) {
    case ValueType::Null: break;
    case ValueType::Integer: out = putVarint(out, zigzag(view.integer)); break;
    case ValueType::Double:
        std::memcpy(out, &view.real, sizeof(double));
        out += sizeof(double);
        break;
    case ValueType::Text:
        out = putVarint(out, view.text.size());
        std::memcpy(out, view.text.data(), view.text.size());
        out += view.text.size();
        break;
    }
    return out;
}

Value unpack(const std::byte*& in) {
    const std::byte tag = *in++;
    switch (static_cast<ValueType>(std::to_integer<unsigned>(tag & kTypeMask))) {
    case ValueType::Null: return Value::null(static_cast<ValueType>(std::to_integer<unsigned>(tag >> kTypeBits)));
    case ValueType::Integer: return Value::integer(unzigzag(getVarint(in)));
    case ValueType::Double: {
        double number = 0;
        std::memcpy(&number, in, sizeof(double));
        in += sizeof(double);
        return Value::real(number);
    }
    case ValueType::Text: {
        const auto size = static_cast<std::size_t>(getVarint(in));
        const char* text = reinterpret_cast<const char*>(in);
        in += size;
        return Value::text(std::string(text, size));
    }
    }
    return Value::null();
}

}  // namespace

const std::byte* Arena::add(const std::vector<Value>& values) {
    std::size_t size = 0;
    for (const Value& value : values) size += packedSize(value);
    std::byte* const start = reserve(size);
    std::byte* out = start;
    for (const Value& value : values) out = pack(out, value);
    return start;
}

std::byte* Arena::reserve(std::size_t size) {
    if (size > kBlockSize / 4) {  // a row this long has a block of its own; free_ stays where it was
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
        return blocks_.back().get();
    }
    if (size > left_ || !free_) {
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockSize));
        free_ = blocks_.back().get();
        left_ = kBlockSize;
    }
    std::byte* const start = free_;
    free_ += size;
    left_ -= size;
    return start;
}

void Arena::clear() {
    blocks_.clear();
    free_ = nullptr;
    left_ = 0;
}

const std::vector<Value>& Unpacked::of(const std::byte* packed, std::size_t count) {
    if (packed == source_ && values_.size() == count) return values_;
    source_ = nullptr;  // until the whole row is unpacked
    values_.resize(count);
    const std::byte* in = packed;
    for (Value& value : values_) value = unpack(in);
    source_ = packed;
    return values_;
}

}  // namespace Db::RowPacking
