#include "pricechecker/DeviceFiles.h"

#include <algorithm>
#include <boost/format.hpp>
#include <cctype>
#include <filesystem>

#include "core/Errors.h"
#include "files/Environment.h"

namespace Devices::PriceChecker {

namespace fs = std::filesystem;

std::string normalizedTrimmedDir(const std::string& directory) {
    std::string path = Files::expandEnvironmentVariables(directory);
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    path.erase(path.begin(), std::find_if_not(path.begin(), path.end(), blank));
    path.erase(std::find_if_not(path.rbegin(), path.rend(), blank).base(), path.end());
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

void copyFile(const std::string& source, const std::string& destination) {
    std::error_code error;
    fs::copy_file(source, destination, fs::copy_options::overwrite_existing, error);
    if (error)
        throw Core::PlacedRuntimeError(
            (boost::format("Nie można skopiować pliku '%1%' do '%2%': %3%") % source % destination % error.message())
                .str(),
            CORE_SRC_INFO("Devices::PriceChecker::copyFile"));
}

void removeFile(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
    if (error)
        throw Core::PlacedRuntimeError(
            (boost::format("Nie można usunąć pliku '%1%': %2%") % path % error.message()).str(),
            CORE_SRC_INFO("Devices::PriceChecker::removeFile"));
}

}  // namespace Devices::PriceChecker
