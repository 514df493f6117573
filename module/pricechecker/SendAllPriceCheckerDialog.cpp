#include "pricechecker/SendAllPriceCheckerDialog.h"

#include "core/I18n.h"
#include "pricechecker/SendAllToPriceChecker.h"

namespace Devices::PriceChecker::SendAllDialog {

using Core::I18n::translate;

// Host contract: the dialog's caption.
TdlgSendAllPriceChecker::TdlgSendAllPriceChecker() : WorkDialog(translate("Całkowite przesłanie do PriceChecker'a")) {}

void TdlgSendAllPriceChecker::work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    const auto result = SendAllToPriceChecker().run(progress);
    // Switched off, the operator has had the warning and there is nothing more to say.
    if (result.enabled) progress.setText(result.summary());
}

}  // namespace Devices::PriceChecker::SendAllDialog
