#include "dialogs/deviceconfig/DeviceConfigurationAction.h"

#include "dialogs/deviceconfig/DeviceConfiguration.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::DeviceConfig {

namespace {
// Host contract: the menu item of the device configuration window.
constexpr const char* MenuPath = ".miInne.miKonfiguracja.miKonfUrz";
}  // namespace

java::pointer<Core::IUnknown> CFormCreator::execute(java::pointer<Core::IUnknown> args) {
    FormKernel::IBaseForm* parent =
        args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
    // Without windows this raises the host's error naming the action, before any database work.
    if (!FormKernel::hasWindows())
        FormKernel::showForm(TDeviceConfiguration::formClass, {MenuPath}, parent, "CFormCreator");
    std::shared_ptr<TDeviceConfiguration> dialog;
    try {
        dialog = std::make_shared<TDeviceConfiguration>();
    } catch (const std::exception& error) {
        FormKernel::messageBoxes()->error(error.what());
        return {};
    }
    FormKernel::showForm(TDeviceConfiguration::formClass, {MenuPath, dialog}, parent, "CFormCreator");
    return {};
}

void registerDeviceConfigurationObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::DeviceConfigurationDialog, [] { return std::make_shared<CFormCreator>(); },
        CORE_SRC_INFO("registerDeviceConfigurationObjects")));
}

}  // namespace Kolvenia::DeviceConfig
