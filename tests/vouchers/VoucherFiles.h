// Blocked-voucher import files written by the tests.
#pragma once

#include <string>
#include <vector>

namespace VoucherFiles {

// A range whose numbers are unique to it: group "G<id>", numbers "<id>001".."<id>999".
std::string range(int id);
// An import file of these ranges.
std::string document(const std::vector<int>& ids);

}  // namespace VoucherFiles
