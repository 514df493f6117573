#include "files/FileFinder.h"

#include <algorithm>
#include <system_error>

#include "files/Wildcard.h"

namespace Core {

FileFinder::FileFinder(const std::filesystem::path& directory, const std::string& mask) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError)) continue;
        std::string name = it->path().filename().string();
        if (!Files::matchWildcard(mask, name, Files::LetterCase::Ignored)) continue;
        const auto size = it->file_size(entryError);
        const auto time = it->last_write_time(entryError);
        if (entryError) continue;  // gone while listed
        files_.push_back({std::move(name), size, time});
    }
    std::sort(files_.begin(), files_.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
}

}  // namespace Core
