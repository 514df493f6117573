// Column position by name, case-insensitive, built once per statement so that reading
// a column by name in a row loop costs one hash of the name and no allocation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace DBKernel {

class ColumnIndex {
public:
    void assign(std::vector<std::string> names);
    // The first column of that name, or -1.
    int find(std::string_view name) const noexcept;
    int size() const noexcept { return static_cast<int>(names_.size()); }
    const std::string& name(int index) const { return names_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::string> names_;
    std::vector<std::int32_t> slots_;  // open addressing over a power-of-two table; -1 is free
};

}  // namespace DBKernel
