#include "sendall/CActionSendAllDataDlg.h"

#include "core/ActionContainer.h"
#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/SendAllDataActionInvoker.h"
#include "sendall/SendAllDataProgress.h"
#include "sendall/SendAllDataSelection.h"

namespace Kolvenia::SendAll {

using Core::I18n::translate;

std::string CActionSendAllDataDlg::getGUID() const { return ActionGuids::SendAllDataDialog; }

java::pointer<Core::IUnknown> CActionSendAllDataDlg::execute(java::pointer<Core::IUnknown> args) {
    try {
        FormKernel::IBaseForm* parent =
            args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
        // Host contract: the warning shown first.
        FormKernel::messageBoxes()->warning(
            translate("Wysyłanie nie nadpisze starych danych. Można je wykonać jedynie dla kas z pustymi bazami."));
        TSelectCashRegisterData selection(DataToSendToDeviceCollection::fromConfiguration(),
                                          TSelectCashRegisterData::devicesInTransmission());
        if (!FormKernel::showModalForm(TSelectCashRegisterData::formClass, {menuPath}, selection, parent,
                                       "CActionSendAllDataDlg"))
            return java::make<Core::ActionStatus>(true, std::string());
        SendAllDataArgs sendArgs = selection.args(menuPath);
        auto window = std::make_shared<TdlgSendAllData>();
        sendArgs.observer = window;
        sendArgs.kindProgress = window->kindProgress();
        const auto answer = Core::Action::CContainer::instance().invoke(
            ActionGuids::SendAllData, std::make_shared<Core::Action::ExecutorInvoker>(),
            java::make<SendAllDataActionInvoker>(std::move(sendArgs)));
        const auto& status = answer->as<Core::ActionStatus>();
        if (!status.succeeded()) throw std::runtime_error(status.message());
        FormKernel::showForm(TdlgSendAllData::formClass, {menuPath, window}, parent, "CActionSendAllDataDlg");
        return answer;
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

}  // namespace Kolvenia::SendAll
