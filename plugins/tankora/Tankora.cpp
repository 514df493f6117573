// The petrol-station module: loaded by the device module when petrol-station support
// is switched on, it registers its own external data sender. Its sender keeps a
// journal of what reached it (KORVEL_TANKORA_JOURNAL names the file; a record is
// journalled by its PLU code), which is what the station's own systems would pick up.
// It also answers the action the device module runs before it sends promotions, so that
// the station's own promotions are ready first; the call is journalled too.
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "core/ActionContainer.h"
#include "core/ModuleEntry.h"
#include "core/Singleton.h"
#include "db/DataSet.h"
#include "external/ExternalDataSenders.h"

namespace Tankora {

constexpr const char* SenderKey = "{7F0E4C2B-3A61-4D8E-B5C9-1E2F3A4B5C6D}";
constexpr const char* PromotionsActionGuid = "{6230B3D2-2D52-43B6-B85D-8259082ACF9E}";

void journal(const std::string& line) {
    const char* path = std::getenv("KORVEL_TANKORA_JOURNAL");
    if (!path || !*path) return;
    std::ofstream(path, std::ios::app) << line << '\n';
}

class JournalSender : public Senders::IArticleDataExternalSystemSender {
public:
    void init(const PLUSenderArgs&) override { journal("init"); }
    void checkCommunication() override { journal("checkCommunication"); }
    void beginSending(int day) override { journal("beginSending " + std::to_string(day)); }
    void sendTowar(Db::TDataSet& record) override { journal("sendTowar " + record.FieldByName("sPLU").AsString()); }
    void endSending() override { journal("endSending"); }
};

class PromotionsAction : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown>) override {
        journal("promotions");
        return {};
    }
};

Core::RegistrationListPtr registrations;

void registerObjects(Core::ModuleRegistrationList& list) {
    auto& senders = Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance();
    list.add(senders.addSenderCreator(SenderKey, [] { return std::make_shared<JournalSender>(); }));
    list.add(Core::Action::CContainer::instance().registerActionCreator(
        PromotionsActionGuid, [] { return std::make_shared<PromotionsAction>(); }, "Tankora::PromotionsAction"));
}

}  // namespace Tankora

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason, void*) {
    return Core::moduleEntryPoint(instance, reason, Tankora::registrations, Tankora::registerObjects);
}
