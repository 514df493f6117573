// The petrol-station module: loaded by the device module when petrol-station support
// is switched on, it registers its own external data sender. Its sender keeps a
// journal of what reached it (KORVEL_TANKORA_JOURNAL names the file; a record is
// journalled by its PLU code), which is what the station's own systems would pick up.
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "core/ModuleEntry.h"
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

Core::RegistrationListPtr registrations;

void registerObjects(Core::ModuleRegistrationList& list) {
    auto& senders = Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance();
    list.add(senders.addSenderCreator(SenderKey, [] { return std::make_shared<JournalSender>(); }));
}

}  // namespace Tankora

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason, void*) {
    return Core::moduleEntryPoint(instance, reason, Tankora::registrations, Tankora::registerObjects);
}
