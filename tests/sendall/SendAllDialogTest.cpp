// The send-all-data dialog action as the operator meets it: the warning, the selection
// window (here ticked by the test through the window's model), the run, and the progress
// window that follows it; in the console host it fails for want of a window.
#include <chrono>
#include <memory>
#include <thread>

#include "SendAllShop.h"
#include "core/ActionContainer.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "sendall/SendAllDataProgress.h"
#include "sendall/SendAllDataSelection.h"

namespace SendAllTest {
namespace {

using Kolvenia::SendAll::TdlgSendAllData;
using Kolvenia::SendAll::TSelectCashRegisterData;

class Boxes : public FormKernel::IMessageBoxes {
public:
    void information(const std::string& text) override { shown.push_back(text); }
    void warning(const std::string& text) override { shown.push_back(text); }
    void error(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&) override { return false; }
    Texts shown;
};

class SendAllDialog : public SendAllShop {
protected:
    void SetUp() override {
        SendAllShop::SetUp();
        FormKernel::installMessageBoxes(boxes);
    }
    void TearDown() override {
        FormKernel::removeModalFormOpener();
        FormKernel::removeFormOpener();
        FormKernel::installMessageBoxes(nullptr);
        SendAllShop::TearDown();
    }
    Core::ActionStatus openDialog() {
        const auto answer = Core::Action::CContainer::instance().invoke(
            Kolvenia::ActionGuids::SendAllDataDialog, std::make_shared<Core::Action::ExecutorInvoker>(),
            java::make<Core::IUnknown>());
        return answer->as<Core::ActionStatus>();
    }
    std::shared_ptr<Boxes> boxes = std::make_shared<Boxes>();
};

TEST_P(SendAllDialog, TickedKindsAndDevicesAreSentAndTheProgressWindowFollowsTheRun) {
    addCashRegister(1);
    addCashRegister(2);
    addKind("Stawki VAT", 10);
    addKind("PLU", 20);
    kindsKeyOf("PLU").CreateKey("Zależności").CreateKey("Stawki VAT");
    Texts opened;
    FormKernel::installModalFormOpener([&](const std::string& formClass, const FormKernel::TBaseFormArgs& args,
                                           Core::IUnknown& model, FormKernel::IBaseForm*) {
        opened.push_back(formClass + " " + args.menuPath);
        auto& selection = model.as<TSelectCashRegisterData>();
        selection.setKindChecked(1, true);  // PLU brings the VAT rates
        selection.setDeviceChecked(1, true);
        selection.accept();
        return true;
    });
    // The progress window is modeless: the host stays usable while the run goes on.
    std::shared_ptr<Core::IUnknown> progress;
    FormKernel::installFormOpener(
        [&](const std::string& formClass, const FormKernel::TBaseFormArgs& args, FormKernel::IBaseForm*) {
            opened.push_back(formClass + " " + args.menuPath);
            progress = args.model;
        });

    EXPECT_TRUE(openDialog().succeeded());
    EXPECT_EQ(boxes->shown,
              Texts{"Wysyłanie nie nadpisze starych danych. Można je wykonać jedynie dla kas z pustymi bazami."});
    EXPECT_EQ(opened, (Texts{"TSelectCashRegisterData .miTransmisje.miPrzeslanieWszystkichDanych",
                             "TdlgSendAllData .miTransmisje.miPrzeslanieWszystkichDanych"}));
    ASSERT_TRUE(progress);
    auto& window = progress->as<TdlgSendAllData>();
    while (!window.state().finished) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto closing = window.state();
    EXPECT_EQ(journal(), (Texts{"Stawki VAT:102", "PLU:102"}));
    EXPECT_EQ(closing.mainLabel, "Wysyłanie danych 2 / 2");
    EXPECT_EQ(closing.comments, (Texts{"Wysyłanie danych...", "Stawki VAT", "PLU", "Wysyłanie zakończone."}));
    EXPECT_EQ(closing.cancelButton, "Zamknij");
}

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
