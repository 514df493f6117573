#include "QtFormKernel.h"

#include <boost/format.hpp>
#include <functional>
#include <map>

#include "DeviceConfigurationWindow.h"
#include "ElectronicLabelsStockExportDialog.h"
#include "PromotionChoiceDialog.h"
#include "QtMessageBoxes.h"
#include "QtWindowData.h"
#include "RecordBrowser.h"
#include "SelectCashRegisterDialog.h"
#include "SendAllDataProgressDialog.h"
#include "SendAllDataSelectionDialog.h"
#include "SendPluWindow.h"
#include "TextLogWindow.h"
#include "TransmissionProgressWindow.h"
#include "WorkDialogWindow.h"
#include "forms/BrowserFilter.h"
#include "pricechecker/SendAllPriceCheckerAction.h"
#include "sendall/SendAllPluAction.h"

namespace Korvel::Gui {

namespace {

// A modal window over its behaviour object; answers whether the operator accepted.
using ModalWindow = std::function<bool(Core::IUnknown& model, QWidget* parent)>;
// A modeless window: it takes the form arguments (and the behaviour object in them),
// shows itself and deletes itself when closed.
using ModelessWindow = std::function<void(const FormKernel::TBaseFormArgs& args, QWidget* parent)>;

// A read-only browser; it changes nothing, so there is nothing to accept.
ModalWindow browserOf(const RecordBrowser::Kind& kind) {
    return [&kind](Core::IUnknown& model, QWidget* parent) {
        RecordBrowser browser(kind, model.as<FormKernel::TBrowserFilter>().condition(), parent);
        browser.exec();
        return false;
    };
}

const std::map<std::string, ModalWindow>& modalWindows() {
    static const std::map<std::string, ModalWindow> windows{
        {Kolvenia::TSelectCashRegister::formClass,
         [](Core::IUnknown& model, QWidget* parent) {
             auto& selection = model.as<Kolvenia::ICashRegisterSelection>();
             SelectCashRegisterDialog dialog(selection, parent);
             dialog.exec();
             return selection.accepted();
         }},
        {Promotion::IPromotionChoice::formClass,
         [](Core::IUnknown& model, QWidget* parent) {
             auto& choice = model.as<Promotion::IPromotionChoice>();
             PromotionChoiceDialog dialog(choice, parent);
             dialog.exec();
             return choice.accepted();
         }},
        {Kolvenia::SendAll::TSelectCashRegisterData::formClass,
         [](Core::IUnknown& model, QWidget* parent) {
             auto& selection = model.as<Kolvenia::SendAll::ISendAllDataSelection>();
             SendAllDataSelectionDialog(selection, parent).exec();
             return selection.accepted();
         }},
        {RecordBrowser::Products.formClass, browserOf(RecordBrowser::Products)},
        {RecordBrowser::SaleConditions.formClass, browserOf(RecordBrowser::SaleConditions)},
    };
    return windows;
}

const std::map<std::string, ModelessWindow>& modelessWindows() {
    static const std::map<std::string, ModelessWindow> windows{
        {Kolvenia::ITransmissionProgress::formClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new TransmissionProgressWindow(args.model, parent))->show();
         }},
        {FormKernel::TextLogFormClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new TextLogWindow(args.model->as<FormKernel::ITextLog>(), parent))->show();
         }},
        {Labels::IElectronicLabelsStockExport::formClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             auto* dialog = new ElectronicLabelsStockExportDialog(args.model, parent);
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             dialog->open();
         }},
        {Kolvenia::SendAll::TdlgSendAllData::formClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new SendAllDataProgressDialog(args.model, parent))->show();
         }},
        {Kolvenia::AllPlus::CFormCreator::formClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new WorkDialogWindow(Kolvenia::AllPlus::CFormCreator::formClass, args.model, parent))->show();
         }},
        {Devices::PriceChecker::SendAllDialog::Action::FormClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new WorkDialogWindow(Devices::PriceChecker::SendAllDialog::Action::FormClass, args.model, parent))
                 ->show();
         }},
        {Kolvenia::DeviceConfig::IDeviceConfiguration::formClass,
         [](const FormKernel::TBaseFormArgs& args, QWidget* parent) {
             (new TdlgKonfUrzForm(args.model, parent))->show();
         }},
        {SendPluWindow::formClass, SendPluWindow::open},
    };
    return windows;
}

[[noreturn]] void noSuchWindow(const std::string& formClass, const char* function) {
    throw Core::PlacedRuntimeError(
        (boost::format("Okno %1% nie jest jeszcze dostępne w tym programie.") % formClass).str(),
        CORE_SRC_INFO(function));
}

void openForm(const std::string& formClass, const FormKernel::TBaseFormArgs& args, FormKernel::IBaseForm* parent) {
    const auto window = modelessWindows().find(formClass);
    if (window == modelessWindows().end()) noSuchWindow(formClass, "QtFormKernel::openForm");
    window->second(args, parentWidget(parent));
}

bool openModalForm(const std::string& formClass, const FormKernel::TBaseFormArgs&, Core::IUnknown& model,
                   FormKernel::IBaseForm* parent) {
    const auto window = modalWindows().find(formClass);
    if (window == modalWindows().end()) noSuchWindow(formClass, "QtFormKernel::openModalForm");
    return window->second(model, parentWidget(parent));
}

}  // namespace

QWidget* parentWidget(FormKernel::IBaseForm* parent) {
    auto* form = dynamic_cast<WindowForm*>(parent);
    return form ? form->widget() : nullptr;
}

QtFormKernel::QtFormKernel() {
    FormKernel::installFormOpener(openForm);
    FormKernel::installModalFormOpener(openModalForm);
    FormKernel::installMessageBoxes(std::make_shared<QtMessageBoxes>());
    FormKernel::installWindowData(std::make_shared<QtWindowData>());
}

QtFormKernel::~QtFormKernel() {
    FormKernel::installWindowData(nullptr);
    FormKernel::installMessageBoxes(nullptr);
    FormKernel::removeModalFormOpener();
    FormKernel::removeFormOpener();
}

}  // namespace Korvel::Gui
