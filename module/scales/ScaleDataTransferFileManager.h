// The three directories of the scale server and the files in them. Data files are
// written in the temporary directory and moved into the data directory only whole, so
// the scale server never picks up half a file; it reports problems as error files in
// the status directory.
//
//   manager.removeTemporaryFiles();                    // a transmission begins
//   auto file = manager.createOutputFile(3, 1);         // next free number of scale 3, section 1
//   ...write it...
//   manager.moveFilesToOutputDirectory();              // the transmission ends
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/Action.h"
#include "core/Errors.h"
#include "core/Registration.h"
#include "files/TextOutputFile.h"

namespace Devices {

// The directory names, as configured under "Parametry programu" -> "FrontOffice" ->
// "Serwer Wagowy".
// Host contract: the manager's configuration and the manager, with their operations
// in this order.
class IScaleDataTransferFileManagerConfig {
public:
    virtual ~IScaleDataTransferFileManagerConfig() = default;
    virtual std::string temporaryDirectory() const = 0;
    virtual std::string dataDirectory() const = 0;
    virtual std::string statusDirectory() const = 0;
};
using IScaleDataTransferFileManagerConfigPtr = std::shared_ptr<const IScaleDataTransferFileManagerConfig>;

// Reads "Katalog tymczasowy", "Katalog danych" and "Katalog statusów" at every request.
class ScaleDataTransferFileManagerConfig : public IScaleDataTransferFileManagerConfig {
public:
    std::string temporaryDirectory() const override;
    std::string dataDirectory() const override;
    std::string statusDirectory() const override;
};

// What waits in the data directory for one scale section.
// Host contract.
struct ScaleDataFilesSummary {
    static constexpr int BytesPerRecord = 185;  // the size taken as one product record

    int fileCount = 0;
    int estimatedPluCount = 0;
    std::optional<double> oldestFileTime;  // the host's date-time; empty without files
};

class IScaleDataTransferFileManager : public virtual Core::IUnknown {
public:
    ~IScaleDataTransferFileManager() override = default;
    // Deletes every data file (any scale and section) from the temporary directory.
    virtual void removeTemporaryFiles() = 0;
    // Moves every data file from the temporary into the data directory, same name.
    virtual void moveFilesToOutputDirectory() = 0;
    // A new file in the temporary directory under the next free number of the scale
    // and section, counting the files of both directories.
    virtual std::shared_ptr<Core::Filesystem::TextOutputFile> createOutputFile(int scale, int section) = 0;
    virtual bool hasErrorFile(int scale, int section) = 0;
    virtual ScaleDataFilesSummary getFilesSummary(int scale, int section) = 0;
};
using IScaleDataTransferFileManagerPtr = std::shared_ptr<IScaleDataTransferFileManager>;

class ScaleDataTransferFileManager : public IScaleDataTransferFileManager {
public:
    // Host contract: the errors of clearing and moving; their cause is not kept.
    class RemovingFilesFromTemporaryDirectoryError : public Core::PlacedRuntimeError {
    public:
        explicit RemovingFilesFromTemporaryDirectoryError(const Core::SrcInfo& place);
    };
    class MovingFilesFromTemporaryToOutputDirectoryError : public Core::PlacedRuntimeError {
    public:
        explicit MovingFilesFromTemporaryToOutputDirectoryError(const Core::SrcInfo& place);
    };

    ScaleDataTransferFileManager();
    explicit ScaleDataTransferFileManager(IScaleDataTransferFileManagerConfigPtr config);

    // Raises the path error of the first of the three directories (temporary, data,
    // status) that does not exist: a transmission checks them all before it writes.
    void checkDirectories();

    void removeTemporaryFiles() override;
    void moveFilesToOutputDirectory() override;
    std::shared_ptr<Core::Filesystem::TextOutputFile> createOutputFile(int scale, int section) override;
    bool hasErrorFile(int scale, int section) override;
    ScaleDataFilesSummary getFilesSummary(int scale, int section) override;

private:
    // The normalised directory, checked and kept on first use; raises "Niepoprawna
    // specyfikacja ścieżki katalogu plików <kind> serwera wagowego: '<directory>'."
    // while it does not exist.
    const std::string& directory(std::optional<std::string>& cached,
                                 std::string (IScaleDataTransferFileManagerConfig::*read)() const, const char* kind);
    const std::string& temporaryDirectory();
    const std::string& dataDirectory();
    const std::string& statusDirectory();
    int highestNumber(const std::string& directory, int scale, int section) const;

    IScaleDataTransferFileManagerConfigPtr config_;
    std::optional<std::string> temporaryDirectory_, dataDirectory_, statusDirectory_;
};

// Host contract: the action that supplies the default manager to other modules; its
// execute answers a new ScaleDataTransferFileManager over the configuration.
class GetDefaultManager : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerGetDefaultManagerObjects(Core::ModuleRegistrationList& list);

}  // namespace Devices
