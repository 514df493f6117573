// The complete product list sent again to the directory price checker, in reload mode:
// the work of the service dialog "Całkowite przesłanie do PriceChecker'a", callable
// with or without its window.
//
//   SendAllToPriceChecker operation;
//   auto result = operation.run(progress);   // progress texts as the dialog shows them
#pragma once

#include <memory>
#include <string>

#include "core/ProgressIndicator.h"
#include "db/SessionHolder.h"
#include "scales/DevicesService.h"

namespace Devices::PriceChecker {

class SendAllToPriceChecker {
public:
    explicit SendAllToPriceChecker(TSessionHolder session = TSessionHolder(true),
                                   std::shared_ptr<const DevicesService> devices = std::make_shared<DevicesService>());

    struct Result {
        bool enabled = false;  // false: switched off, the warning was shown, nothing written
        int sent = 0;
        std::string file;

        // "Wysłano do PriceCheckera: <sent>, plik: <file>".
        std::string summary() const;
    };

    // Writes the audit-log entry, then, when the price checker is on, one R record per
    // product code that is not to be deleted from the devices.
    Result run(Core::ThreadUserIo::ISteppableProgressIndicator& progress);

    // Host contract: the query over every code the list holds.
    static const char* query();

private:
    TSessionHolder session_;
    std::shared_ptr<const DevicesService> devices_;
};

}  // namespace Devices::PriceChecker
