#include "sendall/SendAllDataRegistration.h"

#include "frame/ActionRegistration.h"
#include "sendall/CActionSendAllData.h"
#include "sendall/CActionSendAllDataDlg.h"

namespace Kolvenia::SendAll {

void registerSendAllDataObjects(Core::ModuleRegistrationList& list) {
    list.add(regAction(std::make_shared<CActionSendAllData>(), CORE_SRC_INFO("registerSendAllDataObjects")));
}

void registerSendAllDataDlgObjects(Core::ModuleRegistrationList& list) {
    list.add(regAction(std::make_shared<CActionSendAllDataDlg>(), CORE_SRC_INFO("registerSendAllDataDlgObjects")));
}

}  // namespace Kolvenia::SendAll
