// The petrol-station module: loaded by the device module when petrol-station support
// is switched on, it registers its own external data sender. Its sender keeps a
// journal of what reached it (KORVEL_TANKORA_JOURNAL names the file; a record is
// journalled by its PLU code), which is what the station's own systems would pick up.
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Registration.h"
#include "core/Singleton.h"
#include "db/DataSet.h"
#include "external/ExternalDataSenders.h"

namespace Tankora {

constexpr const char* SenderKey = "{7F0E4C2B-3A61-4D8E-B5C9-1E2F3A4B5C6D}";

class JournalSender : public Senders::IArticleDataExternalSystemSender {
public:
    void init(const PLUSenderArgs&) override { write("init"); }
    void checkCommunication() override { write("checkCommunication"); }
    void beginSending(int day) override { write("beginSending " + std::to_string(day)); }
    void sendTowar(Db::TDataSet& record) override { write("sendTowar " + record.FieldByName("sPLU").AsString()); }
    void endSending() override { write("endSending"); }

private:
    static void write(const std::string& line) {
        const char* path = std::getenv("KORVEL_TANKORA_JOURNAL");
        if (!path || !*path) return;
        std::ofstream(path, std::ios::app) << line << '\n';
    }
};

std::unique_ptr<Core::ModuleRegistrationList> registrations;

void registerObjects() {
    auto list = std::make_unique<Core::ModuleRegistrationList>();
    auto& senders = Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance();
    list->add(senders.addSenderCreator(SenderKey, [] { return std::make_shared<JournalSender>(); }));
    registrations = std::move(list);
}

}  // namespace Tankora

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason, void*) {
    Core::Debug::logDllEntryPoint(instance, reason, CORE_SRC_INFO("DllEntryPoint"));
    try {
        if (reason == Core::DLL_PROCESS_ATTACH) {
            Tankora::registerObjects();
            return 1;
        }
        if (reason == Core::DLL_PROCESS_DETACH) {
            Tankora::registrations.reset();
            return 1;
        }
    } catch (const std::exception& e) {
        Core::Debug::logException(CORE_SRC_INFO("DllEntryPoint"), e.what());
    }
    return 0;
}
