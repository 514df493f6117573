#include "scales/ScaleDataTransferFileManager.h"

#include <algorithm>
#include <boost/format.hpp>
#include <filesystem>

#include "core/I18n.h"
#include "files/FileFinder.h"
#include "files/Filesystem.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/Configuration.h"
#include "scales/ScaleFileNames.h"

namespace Devices {

namespace {

std::string configured(const char* name) {
    return Kolvenia::Config::key({"Parametry programu", "FrontOffice", "Serwer Wagowy", name}).GetVal<std::string>();
}

const std::string& allDataFiles() {
    static const std::string mask = ScaleDataFileNameMask(std::nullopt, std::nullopt).str();
    return mask;
}

}  // namespace

std::string ScaleDataTransferFileManagerConfig::temporaryDirectory() const { return configured("Katalog tymczasowy"); }
std::string ScaleDataTransferFileManagerConfig::dataDirectory() const { return configured("Katalog danych"); }
std::string ScaleDataTransferFileManagerConfig::statusDirectory() const { return configured("Katalog statusów"); }

ScaleDataTransferFileManager::RemovingFilesFromTemporaryDirectoryError::RemovingFilesFromTemporaryDirectoryError(
    const Core::SrcInfo& place)
    : PlacedRuntimeError(Core::I18n::translate("Usunięcie plików z folderu tymczasowego nie powiodło się."), place) {}

ScaleDataTransferFileManager::MovingFilesFromTemporaryToOutputDirectoryError::
    MovingFilesFromTemporaryToOutputDirectoryError(const Core::SrcInfo& place)
    : PlacedRuntimeError(
          Core::I18n::translate("Przeniesienie plików z danymi dla wag do folderu wyjściowego nie powiodło się."),
          place) {}

ScaleDataTransferFileManager::ScaleDataTransferFileManager()
    : ScaleDataTransferFileManager(std::make_shared<ScaleDataTransferFileManagerConfig>()) {}

ScaleDataTransferFileManager::ScaleDataTransferFileManager(IScaleDataTransferFileManagerConfigPtr config)
    : config_(std::move(config)) {}

const std::string& ScaleDataTransferFileManager::directory(std::optional<std::string>& cached,
                                                           std::string (IScaleDataTransferFileManagerConfig::*read)()
                                                               const,
                                                           const char* kind) {
    if (cached) return *cached;
    const std::string normalized = Core::Filesystem::getNormalizedTrimmedDir(((*config_).*read)());
    std::error_code error;
    if (normalized.empty() || !std::filesystem::is_directory(normalized, error))
        throw Core::PlacedRuntimeError(
            (boost::format(Core::I18n::translate(
                 "Niepoprawna specyfikacja ścieżki katalogu plików %1% serwera wagowego: '%2%'.")) %
             kind % normalized)
                .str(),
            CORE_SRC_INFO("Devices::ScaleDataTransferFileManager::directory"));
    return cached.emplace(normalized);
}

const std::string& ScaleDataTransferFileManager::temporaryDirectory() {
    return directory(temporaryDirectory_, &IScaleDataTransferFileManagerConfig::temporaryDirectory, "tymczasowych");
}

const std::string& ScaleDataTransferFileManager::dataDirectory() {
    return directory(dataDirectory_, &IScaleDataTransferFileManagerConfig::dataDirectory, "danych");
}

const std::string& ScaleDataTransferFileManager::statusDirectory() {
    return directory(statusDirectory_, &IScaleDataTransferFileManagerConfig::statusDirectory, "statusów");
}

void ScaleDataTransferFileManager::checkDirectories() {
    temporaryDirectory();
    dataDirectory();
    statusDirectory();
}

void ScaleDataTransferFileManager::removeTemporaryFiles() {
    const std::string& temporary = temporaryDirectory();
    try {
        for (const auto& file : Core::FileFinder(temporary, allDataFiles()).files())
            Core::Filesystem::removeFile(temporary + file.name);
    } catch (const std::exception&) {
        throw RemovingFilesFromTemporaryDirectoryError(
            CORE_SRC_INFO("Devices::ScaleDataTransferFileManager::removeTemporaryFiles"));
    }
}

void ScaleDataTransferFileManager::moveFilesToOutputDirectory() {
    const std::string& temporary = temporaryDirectory();
    const std::string& data = dataDirectory();
    try {
        for (const auto& file : Core::FileFinder(temporary, allDataFiles()).files())
            Core::Filesystem::moveFile(temporary + file.name, data + file.name);
    } catch (const std::exception&) {
        throw MovingFilesFromTemporaryToOutputDirectoryError(
            CORE_SRC_INFO("Devices::ScaleDataTransferFileManager::moveFilesToOutputDirectory"));
    }
}

int ScaleDataTransferFileManager::highestNumber(const std::string& directory, int scale, int section) const {
    int highest = -1;
    for (const auto& file : Core::FileFinder(directory, ScaleDataFileNameMask(scale, section)).files())
        highest = std::max(highest, ScaleDataFileName(file.name).number());
    return highest;
}

std::shared_ptr<Core::Filesystem::TextOutputFile> ScaleDataTransferFileManager::createOutputFile(int scale,
                                                                                                 int section) {
    const std::string& temporary = temporaryDirectory();
    const int next =
        std::max(highestNumber(dataDirectory(), scale, section), highestNumber(temporary, scale, section)) + 1;
    return std::make_shared<Core::Filesystem::TextOutputFile>(temporary +
                                                              ScaleDataFileName(scale, section, next).fileName());
}

bool ScaleDataTransferFileManager::hasErrorFile(int scale, int section) {
    return !Core::FileFinder(statusDirectory(), ScaleErrorFileName(scale, section)).files().empty();
}

ScaleDataFilesSummary ScaleDataTransferFileManager::getFilesSummary(int scale, int section) {
    ScaleDataFilesSummary summary;
    std::uintmax_t bytes = 0;
    for (const auto& file : Core::FileFinder(dataDirectory(), ScaleDataFileNameMask(scale, section)).files()) {
        ++summary.fileCount;
        bytes += file.size;
        const double written = Core::Filesystem::fileTimeToDateTime(file.lastWriteTime);
        if (!summary.oldestFileTime || written < *summary.oldestFileTime) summary.oldestFileTime = written;
    }
    summary.estimatedPluCount = static_cast<int>(bytes / ScaleDataFilesSummary::BytesPerRecord);
    return summary;
}

java::pointer<Core::IUnknown> GetDefaultManager::execute(java::pointer<Core::IUnknown>) {
    return java::pointer<Core::IUnknown>(std::make_shared<ScaleDataTransferFileManager>());
}

void registerGetDefaultManagerObjects(Core::ModuleRegistrationList& list) {
    list.add(Kolvenia::regActionCreator(
        Kolvenia::ActionGuids::DefaultScaleTransferManager, [] { return std::make_shared<GetDefaultManager>(); },
        CORE_SRC_INFO("registerGetDefaultManagerObjects")));
}

}  // namespace Devices
