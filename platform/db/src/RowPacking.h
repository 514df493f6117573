// The rows of a dataset as read, packed: a large result keeps a few bytes a value
// instead of a whole Value each, and only the rows in use are unpacked into Values.
//
//   RowPacking::Arena arena;
//   const std::byte* row = arena.add(values);  // stays put until arena.clear()
//   RowPacking::Unpacked current;
//   const std::vector<Value>& again = current.of(row, values.size());
//
// A packed value is a tag byte (the value's type and, for a NULL, the type it was
// declared with), then an integer as a zigzag varint, a double as its 8 bytes, or a
// text as its varint length and its bytes.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "db/Value.h"

namespace Db::RowPacking {

// Packed rows one after another in large blocks, so that a row costs no allocation.
class Arena {
public:
    const std::byte* add(const std::vector<DBKernel::Sql::Value>& values);
    void clear();

private:
    std::byte* reserve(std::size_t size);

    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* free_ = nullptr;  // in the block rows are being added to
    std::size_t left_ = 0;
};

// The last packed row asked for, as Values; asking again for the same row costs nothing.
class Unpacked {
public:
    // Valid until a different row is asked for or forget() is called.
    const std::vector<DBKernel::Sql::Value>& of(const std::byte* packed, std::size_t count);
    // To call when the arena that held the row is cleared: its address may come back.
    void forget() noexcept { source_ = nullptr; }

private:
    const std::byte* source_ = nullptr;
    std::vector<DBKernel::Sql::Value> values_;
};

}  // namespace Db::RowPacking
