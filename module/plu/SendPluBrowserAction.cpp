#include "plu/SendPluBrowserAction.h"

#include "core/DateTime.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "plu/SendPluForm.h"

namespace Kolvenia::SendPlu {

java::pointer<Core::IUnknown> CFormCreator::execute(java::pointer<Core::IUnknown> args) {
    FormKernel::IBaseForm* parent =
        args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
    FormKernel::TBaseFormArgs formArgs{menuPath};
    // Building the behaviour marks the day's records; without windows showForm refuses,
    // and nothing may be marked for a window that never opens.
    if (FormKernel::hasWindows()) {
        TSessionHolder session(true);
        formArgs.model = std::make_shared<TSendPluForm>(session, static_cast<float>(Core::DateTime::today()));
    }
    FormKernel::showForm(TSendPluForm::formClass, formArgs, parent, "CFormCreator");
    return java::make<Core::ActionStatus>(true, std::string());
}

}  // namespace Kolvenia::SendPlu

namespace Kolvenia {

void registerSendPLUObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::SendPluBrowser, [] { return std::make_shared<SendPlu::CFormCreator>(); },
        CORE_SRC_INFO("registerSendPLUObjects")));
}

}  // namespace Kolvenia
