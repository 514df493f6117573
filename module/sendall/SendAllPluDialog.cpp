#include "sendall/SendAllPluDialog.h"

#include <boost/format.hpp>

#include "core/I18n.h"
#include "plu/AllPlusSender.h"

namespace Kolvenia::AllPlus {

using Core::I18n::translate;

TdlgSendAllPLU::TdlgSendAllPLU() : WorkDialog(translate("Wysłanie wszystkich PLU do kas")) {}

void TdlgSendAllPLU::work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    const int sent = Devices::AllPlusSender(TSessionHolder(true)).send(progress);
    progress.setText((boost::format(translate("Wysłano PLU: %1%.")) % sent).str());
}

}  // namespace Kolvenia::AllPlus
