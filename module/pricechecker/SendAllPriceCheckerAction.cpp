#include "pricechecker/SendAllPriceCheckerAction.h"

#include <ostream>

#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/SendAllDataActionInvoker.h"
#include "pricechecker/SendAllPriceCheckerDialog.h"
#include "pricechecker/SendAllToPriceChecker.h"

namespace Devices::PriceChecker::SendAllDialog {

namespace {

// The dialog's texts on a console: the stage texts, and of the per-record texts about
// one in ten and the last, so that a long list does not flood the stream.
class StreamProgress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    explicit StreamProgress(std::ostream& out) : out_(out) {}
    void setText(const std::string& text) override {
        if (maximum_ == 0 || done_ % interval() == 0 || done_ + 1 == maximum_) out_ << text << '\n';
    }
    void setMaximum(long long steps) override { maximum_ = steps; }
    void step(long long count) override { done_ += count; }
    void finish() override {}

private:
    long long interval() const { return std::max(1LL, maximum_ / 10); }

    std::ostream& out_;
    long long maximum_ = 0;
    long long done_ = 0;
};

bool runsWithoutWindow(Core::IUnknown& args) {
    return args.is<Core::IExternalExecutionArgsGetter>() || args.is<SendAllDataActionInvoker>();
}

java::pointer<Core::IUnknown> runWithoutWindow(Core::IUnknown& args) {
    Core::ThreadUserIo::NullProgressIndicator silent;
    std::optional<StreamProgress> console;
    Core::ThreadUserIo::ISteppableProgressIndicator* progress = &silent;
    if (args.is<Core::IOStreamGetter>())
        progress = &console.emplace(args.as<Core::IOStreamGetter>().getOStream());
    else if (args.is<SendAllDataActionInvoker>())
        progress = &args.as<SendAllDataActionInvoker>().progress();
    try {
        const auto result = SendAllToPriceChecker().run(*progress);
        if (result.enabled && console) args.as<Core::IOStreamGetter>().getOStream() << result.summary() << '\n';
        return java::make<Core::ActionStatus>(true, std::string());
    } catch (const std::exception& e) {
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

}  // namespace

std::string Action::getGUID() const { return Kolvenia::ActionGuids::SendAllPriceCheckerDialog; }

java::pointer<Core::IUnknown> Action::execute(java::pointer<Core::IUnknown> args) {
    if (args && runsWithoutWindow(*args)) return runWithoutWindow(*args);
    FormKernel::IBaseForm* parent =
        args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
    FormKernel::showForm(FormClass, FormKernel::TBaseFormArgs{MenuPath, std::make_shared<TdlgSendAllPriceChecker>()},
                         parent, "Action");
    return nullptr;
}

}  // namespace Devices::PriceChecker::SendAllDialog

namespace Devices::PriceChecker {

void registerSendAllPriceCheckerObjects(Core::ModuleRegistrationList& list) {
    list.add(Kolvenia::regAction(std::make_shared<SendAllDialog::Action>(),
                                 CORE_SRC_INFO("registerSendAllPriceCheckerObjects")));
}

}  // namespace Devices::PriceChecker
