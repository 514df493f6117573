// The archives of a blocked-voucher run whose ranges have not been sent yet.
//
// A run archives each import file as soon as it has read it, and sends all ranges at
// its end. A run killed in between would leave archived files whose ranges never
// reached the registers. So each archive name is written here, durably, before its
// file is renamed, and the list is removed once the ranges have been sent; the next
// run reads the archives it finds listed and sends their ranges again. The list is the
// file "$blokady-do-wyslania.lst" in the import folder, one archive path per line
// (names that match neither "*.xml" nor "*.arch").
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Kolvenia::BlockedVouchers {

class PendingArchives {
public:
    static constexpr const char* FileName = "$blokady-do-wyslania.lst";

    explicit PendingArchives(const std::filesystem::path& folder);

    // The archives an interrupted run left unsent, in the order listed, those that
    // still exist only.
    std::vector<std::string> left() const;
    // Lists one more archive; on disk when this returns.
    void add(const std::string& archive);
    // Lists exactly these archives (none: removes the list).
    void replace(const std::vector<std::string>& archives);

private:
    std::filesystem::path path_;
};

}  // namespace Kolvenia::BlockedVouchers
