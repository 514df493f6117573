#include "dialogs/SelectCashRegister.h"

#include <algorithm>
#include <stdexcept>

#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "devicedefs/ParametryUrzadzen.h"
#include "frame/params/DeviceParams.h"

namespace Kolvenia {

namespace {

// Integrated registers take their data without the server's files, so they are never
// offered. A register without the parameter's value is an ordinary one.
bool isIntegrated(const TUrzadzenie& device, const CParametryUrzadzen& parameters) {
    const int id = parameters.getParamId("bKasaZintegrowana");
    const auto values = parameters.getParams(device);
    return values.count(id) && getParam<bool>(values, id);
}

}  // namespace

void TSelectCashRegister::beforeModeDependencies() {
    lines_.clear();
    if (const auto devices = kolekcjaWlaczonychUrzadzen()) {
        const CParametryUrzadzen parameters;
        for (std::size_t i = 0; i < devices->size(); ++i) {
            const TUrzadzenie& device = *(*devices)[i];
            if (device.nNrTypuUrz != tuKasa || isIntegrated(device, parameters)) continue;
            lines_.push_back({"kasa " + std::to_string(device.nNrKolvenia), device.lUrzadzenieRef, true});
        }
    }
    if (lines_.empty())
        throw Core::PlacedRuntimeError(Core::I18n::translate("Brak dostępnych kas"),
                                       CORE_SRC_INFO("TSelectCashRegister::beforeModeDependencies"));
    current_ = 0;
    checkIfAllSelected();
}

std::set<int> TSelectCashRegister::getCashRegisters() const {
    std::set<int> refs;
    for (const auto& line : lines_)
        if (line.checked) refs.insert(line.deviceRef);
    return refs;
}

void TSelectCashRegister::setChecked(std::size_t line, bool checked) {
    lines_.at(line).checked = checked;
    checkIfAllSelected();
}

void TSelectCashRegister::setCurrent(std::size_t line) {
    if (line >= lines_.size()) throw std::out_of_range("TSelectCashRegister::setCurrent");
    current_ = line;
}

void TSelectCashRegister::clickAll(bool checked) {
    cbAll_ = checked;
    cbAllClick();
}

void TSelectCashRegister::checkIfAllSelected() {
    // Setting the box here is not the operator's click, so cbAllClick does not run.
    cbAll_ = std::none_of(lines_.begin(), lines_.end(), [](const Line& line) { return !line.checked; });
    updateAcceptButton();
}

void TSelectCashRegister::cbAllClick() {
    for (auto& line : lines_) line.checked = cbAll_;
    updateAcceptButton();
}

void TSelectCashRegister::clbCashRegistersDblClick() {
    if (!current_) return;
    for (auto& line : lines_) line.checked = false;
    lines_[*current_].checked = true;
    checkIfAllSelected();
}

void TSelectCashRegister::accept() {
    if (btnAkceptuj_) accepted_ = true;
}

void TSelectCashRegister::updateAcceptButton() {
    btnAkceptuj_ = std::any_of(lines_.begin(), lines_.end(), [](const Line& line) { return line.checked; });
}

std::optional<std::set<int>> chooseCashRegisters(const std::string& menuPath, FormKernel::IBaseForm* parent,
                                                 const std::string& actionName) {
    TSelectCashRegister dialog;
    dialog.beforeModeDependencies();
    if (!FormKernel::showModalForm(TSelectCashRegister::formClass, FormKernel::TBaseFormArgs{menuPath}, dialog, parent,
                                   actionName) ||
        !dialog.accepted())
        return std::nullopt;
    return dialog.getCashRegisters();
}

}  // namespace Kolvenia
