#include "sendall/SendAllPluAction.h"

#include <boost/format.hpp>

#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/SendAllDataActionInvoker.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/AllPlusSender.h"
#include "sendall/SendAllPluDialog.h"

namespace Kolvenia::AllPlus {

java::pointer<Core::IUnknown> CFormCreator::execute(java::pointer<Core::IUnknown> args) {
    if (!args || !args->is<SendAllDataActionInvoker>()) {
        FormKernel::IBaseForm* parent =
            args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
        FormKernel::showForm(formClass, {menuPath, std::make_shared<TdlgSendAllPLU>()}, parent, "CFormCreator");
        return java::make<Core::ActionStatus>(true, std::string());
    }
    try {
        const auto& invoker = args->as<SendAllDataActionInvoker>();
        std::shared_ptr<const IUrzCollectionModStrategy> devices;
        if (invoker.deviceRefs()) devices = std::make_shared<CFromSetUrzCollectionModStrategy>(*invoker.deviceRefs());
        const int sent = Devices::AllPlusSender(TSessionHolder(true), devices).send(invoker.progress());
        return java::make<Core::ActionStatus>(true,
                                              (boost::format(Core::I18n::translate("Wysłano PLU: %1%.")) % sent).str());
    } catch (const std::exception& e) {
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

void registerSendAllPluObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendAllPluDialog, [] { return std::make_shared<CFormCreator>(); },
        CORE_SRC_INFO("registerSendAllPluObjects")));
}

}  // namespace Kolvenia::AllPlus
