// The host's form kernel as the module sees it: the parent window an action receives,
// the form arguments it fills, and the one call that opens a window.
//
// Windows are opened by class name through the opener the host installs. The console
// host installs none, so an action that must open a window fails with
// FormKernel::NoWindowError, whose message names the action and says that it needs
// the program's window; nothing is done. The Qt host installs an opener that builds the
// window registered under the class name.
//
//   FormKernel::TBaseFormArgs args{".miTransmisje.miPrzeslaniePLU"};
//   FormKernel::showForm("TSendPluForm", args, parentOrNull, "CFormCreator");
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/Errors.h"
#include "core/IUnknown.h"

namespace FormKernel {

// Host contract: the parent window handed to dialog-opening actions.
class IBaseForm : public virtual Core::IUnknown {};

// Host contract: form arguments; every dialog-opening action fills in its menu path.
// A window with behaviour of its own also gets the behaviour object, which the window
// shares for as long as it is open (the Qt host reaches it through its interface).
struct TBaseFormArgs {
    std::string menuPath;
    std::shared_ptr<Core::IUnknown> model = nullptr;
};

// Raised when a window is asked for and the host has none (the console host).
class NoWindowError : public Core::PlacedRuntimeError {
public:
    using Core::PlacedRuntimeError::PlacedRuntimeError;
};

// Opens the window of the given class with its arguments; modal windows return when
// closed. Installed by a host that has windows.
using FormOpener = std::function<void(const std::string& formClass, const TBaseFormArgs& args, IBaseForm* parent)>;

void installFormOpener(FormOpener opener);
void removeFormOpener();
bool hasWindows();

// Opens the window, or raises NoWindowError naming actionName and formClass.
void showForm(const std::string& formClass, const TBaseFormArgs& args, IBaseForm* parent,
              const std::string& actionName);

// A modal dialog whose state lives in a model object the caller made (a plain class
// with the dialog's behaviour): the window shows and edits the model and answers
// whether the operator accepted. Installed by a host that has windows.
using ModalFormOpener = std::function<bool(const std::string& formClass, const TBaseFormArgs& args,
                                           Core::IUnknown& model, IBaseForm* parent)>;

void installModalFormOpener(ModalFormOpener opener);
void removeModalFormOpener();

// Shows the modal dialog over the model; true when the operator accepted. Raises
// NoWindowError naming actionName and formClass when the host has no windows.
bool showModalForm(const std::string& formClass, const TBaseFormArgs& args, Core::IUnknown& model, IBaseForm* parent,
                   const std::string& actionName);

// The host's message boxes. The console host writes information, warnings and errors
// to standard error and answers every question with "no", so that nothing is done
// that the operator did not confirm.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    virtual bool question(const std::string& text) = 0;
};

std::shared_ptr<IMessageBoxes> messageBoxes();
// Installs the boxes a host with windows shows; nullptr restores the console ones.
void installMessageBoxes(std::shared_ptr<IMessageBoxes> boxes);

}  // namespace FormKernel
