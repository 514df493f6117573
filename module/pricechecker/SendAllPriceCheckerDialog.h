// The dialog "Całkowite przesłanie do PriceChecker'a" without its window: "Wyślij"
// writes the complete product list to the directory price checker in reload mode;
// its last text names the count and the file.
#pragma once

#include "dialogs/WorkDialog.h"

namespace Devices::PriceChecker::SendAllDialog {

// Host contract: the dialog's class name.
class TdlgSendAllPriceChecker : public Kolvenia::WorkDialog {
public:
    TdlgSendAllPriceChecker();

protected:
    void work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) override;
};

}  // namespace Devices::PriceChecker::SendAllDialog
