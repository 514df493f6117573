#include "cashregister/TransferFiles.h"

#include <unistd.h>

#include <boost/format.hpp>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/Errors.h"
#include "files/Wildcard.h"
#include "frame/Configuration.h"

namespace Kolvenia::Kasa {

namespace {

std::chrono::year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

// The highest sequence number among the files matching `pattern`, read from the four
// characters at `offset` of each name (their leading digits; none reads as 0).
unsigned highestSequence(const std::string& pattern, std::size_t offset) {
    unsigned highest = 0;
    for (const std::string& name : Files::findFiles(pattern)) {
        unsigned number = 0;
        for (std::size_t i = offset;
             i < offset + 4 && i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
            number = number * 10 + static_cast<unsigned>(name[i] - '0');
        highest = std::max(highest, number);
    }
    return highest;
}

std::string typeSuffix(int type) { return (boost::format(".%02x") % type).str(); }

}  // namespace

std::string dateFileNameStr(std::chrono::year_month_day date) {
    std::string code = "000";
    const int year = static_cast<int>(date.year()) - 2000;
    if (year >= 0 && year <= 9) code[0] = static_cast<char>('0' + year);
    if (year >= 10 && year <= 35) code[0] = static_cast<char>('A' + year - 10);
    const unsigned month = static_cast<unsigned>(date.month());
    if (month >= 1 && month <= 12) code[1] = static_cast<char>('A' + month - 1);
    const unsigned day = static_cast<unsigned>(date.day());
    if (day >= 1 && day <= 10) code[2] = static_cast<char>('0' + day - 1);
    if (day >= 11 && day <= 31) code[2] = static_cast<char>('A' + day - 11);
    return code;
}

std::string getCurrentDateFileNameStr() { return dateFileNameStr(localToday()); }

std::string getNextFileNameByType(int type, const std::string& directory, char prefix, const std::string& subPrefix,
                                  bool useSubPrefix) {
    const std::string dateCode = getCurrentDateFileNameStr();
    const std::string tail = dateCode + "????" + typeSuffix(type);
    // The directory is listed at every new file (the server takes files away meanwhile):
    // once when there is no sub-prefix, as both patterns are then the same.
    unsigned highest = highestSequence(directory + prefix + tail, 4);
    if (!subPrefix.empty())
        highest = std::max(highest, highestSequence(directory + subPrefix + prefix + tail, subPrefix.size() + 4));
    const unsigned next = highest + 1;
    if (next >= 9999)
        throw Core::PlacedRuntimeError("Błąd! Za dużo plików oczekuje do przesłania na kasy!",
                                       CORE_SRC_INFO("Kolvenia::Kasa::getNextFileNameByType"));
    return directory + (useSubPrefix ? subPrefix : std::string()) + prefix + dateCode +
           (boost::format("%04u") % next).str() + typeSuffix(type);
}

void clearOldTempFiles(const std::string& directory, int days) {
    using namespace std::chrono;
    const sys_days limit = floor<std::chrono::days>(system_clock::now()) - std::chrono::days{days};
    for (const std::string& name : Files::findFiles(directory + "$*.*")) {
        const std::string path = directory + name;
        std::error_code error;
        const auto written = std::filesystem::last_write_time(path, error);
        if (error) continue;
        const auto writtenUtc = file_clock::to_sys(written);
        if (floor<std::chrono::days>(writtenUtc) < limit) std::filesystem::remove(path, error);  // outcome ignored
    }
}

void clearOldTempFiles(const std::string& directory) {
    clearOldTempFiles(directory, Config::key({"Parametry programu", "FrontOffice", "Serwer Kasowy",
                                              "Usuwaj pliki tymczasowe starsze niż X dni"})
                                     .GetVal<int>());
}

void checkTransferDirectory(std::string directory, const std::string& errorTitle) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    char remembered[2048];
    if (!getcwd(remembered, sizeof remembered))
        throw Core::PlacedRuntimeError("Nie mogę pobrać aktualnego katalogu!",
                                       CORE_SRC_INFO("Kolvenia::Kasa::checkTransferDirectory"));
    if (chdir(directory.c_str()) != 0)
        throw Core::PlacedRuntimeError(
            errorTitle + "\nNie mogę znaleźć katalogu '" + directory + "'\nSprawdź dane w konfiguracji!",
            CORE_SRC_INFO("Kolvenia::Kasa::checkTransferDirectory"));
    if (chdir(remembered) != 0)
        throw Core::PlacedRuntimeError("Nie mogę przywrócić starego katalogu!",
                                       CORE_SRC_INFO("Kolvenia::Kasa::checkTransferDirectory"));
}

}  // namespace Kolvenia::Kasa
