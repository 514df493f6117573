#include "files/Filesystem.h"

#include <boost/algorithm/string/trim.hpp>
#include <boost/format.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>

#include "core/DateTime.h"
#include "core/Errors.h"
#include "files/Environment.h"

namespace Core::Filesystem {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const boost::format& message, const std::error_code& error, const SrcInfo& place) {
    throw PlacedRuntimeError(message.str() + " " + error.message(), place);
}

// A rename cannot cross file systems: the copy goes under a name no reader looks for,
// then is renamed into place.
void copyAcross(const fs::path& from, const fs::path& to) {
    const fs::path partial = to.parent_path() / ("." + to.filename().string() + ".part");
    std::error_code error;
    fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(partial, to, error);
    if (!error) fs::remove(from, error);
    if (error) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        fail(boost::format("Nie można przenieść pliku '%1%' do '%2%'.") % from.string() % to.string(), error,
             CORE_SRC_INFO("Core::Filesystem::moveFile"));
    }
}

}  // namespace

std::string getNormalizedTrimmedDir(const std::string& directory) {
    std::string normalized = Files::expandEnvironmentVariables(boost::algorithm::trim_copy(directory));
    if (!normalized.empty() && normalized.back() != fs::path::preferred_separator)
        normalized += fs::path::preferred_separator;
    return normalized;
}

void moveFile(const std::string& from, const std::string& to) {
    std::error_code error;
    if (fs::exists(to, error))
        fail(boost::format("Nie można przenieść pliku '%1%' do '%2%'.") % from % to,
             std::make_error_code(std::errc::file_exists), CORE_SRC_INFO("Core::Filesystem::moveFile"));
    fs::rename(from, to, error);
    if (error == std::errc::cross_device_link) return copyAcross(from, to);
    if (error)
        fail(boost::format("Nie można przenieść pliku '%1%' do '%2%'.") % from % to, error,
             CORE_SRC_INFO("Core::Filesystem::moveFile"));
}

void removeFile(const std::string& path) {
    std::error_code error;
    if (!fs::remove(path, error) && !error) error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (error)
        fail(boost::format("Nie można usunąć pliku '%1%'.") % path, error,
             CORE_SRC_INFO("Core::Filesystem::removeFile"));
}

double fileTimeToDateTime(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    localtime_r(&seconds, &local);
    const std::chrono::year_month_day date{std::chrono::year{local.tm_year + 1900},
                                           std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                           std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
    return Core::DateTime::dayNumber(date) + (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec) / 86400.0;
}

}  // namespace Core::Filesystem
