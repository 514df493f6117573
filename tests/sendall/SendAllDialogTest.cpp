// The send-all-data dialog action without the Qt windows (the window tests drive those):
// a cancelled selection sends nothing, and the console host fails for want of a window.
#include <memory>

#include "SendAllShop.h"
#include "core/ActionContainer.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"

namespace SendAllTest {
namespace {

class SendAllDialog : public SendAllShop {
protected:
    void TearDown() override {
        FormKernel::removeModalFormOpener();
        SendAllShop::TearDown();
    }
    Core::ActionStatus openDialog() {
        const auto answer = Core::Action::CContainer::instance().invoke(
            Kolvenia::ActionGuids::SendAllDataDialog, std::make_shared<Core::Action::ExecutorInvoker>(),
            java::make<Core::IUnknown>());
        return answer->as<Core::ActionStatus>();
    }
};

TEST_P(SendAllDialog, CancelledSelectionOrNoWindowSendsNothing) {
    addCashRegister(1);
    addKind("PLU", 20);
    FormKernel::installModalFormOpener([](const std::string&, const FormKernel::TBaseFormArgs&, Core::IUnknown&,
                                          FormKernel::IBaseForm*) { return false; });
    EXPECT_TRUE(openDialog().succeeded());
    FormKernel::removeModalFormOpener();
    const auto console = openDialog();
    EXPECT_FALSE(console.succeeded());
    EXPECT_NE(console.message().find("CActionSendAllDataDlg"), std::string::npos) << console.message();
    EXPECT_TRUE(journal().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, SendAllDialog, ::testing::Values(TestSupport::Engine::SQLite),
                         TestSupport::engineName);

}  // namespace
}  // namespace SendAllTest
