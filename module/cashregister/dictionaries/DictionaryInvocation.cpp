#include "cashregister/dictionaries/DictionaryInvocation.h"

#include "core/I18n.h"
#include "dialogs/SelectCashRegister.h"
#include "forms/FormKernel.h"
#include "frame/SendAllDataActionInvoker.h"

namespace Kolvenia::Dictionaries {

bool DictionaryInvocation::withoutWindow() const {
    return args_ && (args_->is<Core::IExternalExecutionArgsGetter>() || args_->is<SendAllDataActionInvoker>());
}

std::optional<std::set<int>> DictionaryInvocation::givenCashRegisters() const {
    if (args_ && args_->is<SendAllDataActionInvoker>()) return args_->as<SendAllDataActionInvoker>().deviceRefs();
    return std::nullopt;
}

CashRegisterChoice DictionaryInvocation::chooseCashRegisters(const std::string& menuPath,
                                                             const std::string& actionName) const {
    if (args_ && args_->is<SendAllDataActionInvoker>()) return {false, givenCashRegisters()};
    FormKernel::IBaseForm* parent =
        args_ && args_->is<FormKernel::IBaseForm>() ? &args_->as<FormKernel::IBaseForm>() : nullptr;
    auto chosen = Kolvenia::chooseCashRegisters(menuPath, parent, actionName);
    if (!chosen) return {true, std::nullopt};
    return {false, std::move(chosen)};
}

Core::ThreadUserIo::ISteppableProgressIndicator& DictionaryInvocation::progress() {
    if (args_ && args_->is<SendAllDataActionInvoker>()) return args_->as<SendAllDataActionInvoker>().progress();
    if (args_ && args_->is<Core::IProgressIndicatorGetter>())
        return args_->as<Core::IProgressIndicatorGetter>().getProgressIndicator();
    return silent_;
}

std::ostream* DictionaryInvocation::console() const {
    return args_ && args_->is<Core::IOStreamGetter>() ? &args_->as<Core::IOStreamGetter>().getOStream() : nullptr;
}

const std::vector<std::string>* DictionaryInvocation::arguments() const {
    return args_ && args_->is<Core::IArgVectorGetter>() ? &args_->as<Core::IArgVectorGetter>().getArgVector() : nullptr;
}

java::pointer<Core::IUnknown> DictionaryAction::execute(java::pointer<Core::IUnknown> args) {
    DictionaryInvocation invocation(std::move(args));
    const bool shownInWindow = !invocation.withoutWindow() && !invocation.console();
    try {
        const std::string message = Core::I18n::translate(run(invocation));
        if (!message.empty()) {
            if (std::ostream* out = invocation.console())
                *out << message << '\n';
            else if (shownInWindow)
                FormKernel::messageBoxes()->information(message);
        }
        return java::make<Core::ActionStatus>(true, message);
    } catch (const std::exception& e) {
        if (shownInWindow) FormKernel::messageBoxes()->error(e.what());
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

}  // namespace Kolvenia::Dictionaries
