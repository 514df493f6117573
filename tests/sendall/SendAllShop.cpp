#include "SendAllShop.h"

#include <chrono>
#include <filesystem>

#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "frame/ActionGuids.h"

namespace SendAllTest {

using namespace std::chrono_literals;

void RecordingObserver::setSteps(int steps) {
    std::lock_guard lock(mutex_);
    steps_ = steps;
}
void RecordingObserver::advance(int steps) {
    std::lock_guard lock(mutex_);
    done_ += steps;
}
void RecordingObserver::finish() {
    std::lock_guard lock(mutex_);
    finish_ = true;
    finished_.notify_all();
}
void RecordingObserver::showText(const std::string& text) {
    std::lock_guard lock(mutex_);
    texts_.push_back(text);
}
bool RecordingObserver::cancelled() {
    std::lock_guard lock(mutex_);
    return cancel_;
}
void RecordingObserver::requestCancel() {
    std::lock_guard lock(mutex_);
    cancel_ = true;
}
void RecordingObserver::waitForFinish() {
    std::unique_lock lock(mutex_);
    ASSERT_TRUE(finished_.wait_for(lock, 60s, [this] { return finish_; })) << "the run did not finish";
}
Texts RecordingObserver::texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
}
int RecordingObserver::steps() const {
    std::lock_guard lock(mutex_);
    return steps_;
}
int RecordingObserver::done() const {
    std::lock_guard lock(mutex_);
    return done_;
}

void Gate::arriveAndWait() {
    std::unique_lock lock(mutex_);
    arrived_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
}
void Gate::waitForArrival() {
    std::unique_lock lock(mutex_);
    ASSERT_TRUE(changed_.wait_for(lock, 60s, [this] { return arrived_; })) << "the kind never started";
}
void Gate::open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
}

namespace {

class KindAction : public Core::IAction, public Core::IExecutor {
public:
    // Answers the failure's message, or nothing.
    using Work = std::function<std::string(const std::string&, const SendAllDataActionInvoker&)>;
    KindAction(std::string guid, Work work) : guid_(std::move(guid)), work_(std::move(work)) {}
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override {
        const std::string failure = work_(guid_, args->as<SendAllDataActionInvoker>());
        return java::make<Core::ActionStatus>(failure.empty(), failure);
    }

private:
    std::string guid_;
    Work work_;
};

Korvel::TKey kindsKey() {
    return Core::SingletonImplHolder<Core::CSetup>::instance()
        .getRootKey()
        .CreateKey("Parametry programu")
        .CreateKey("FrontOffice")
        .CreateKey("Serwer Kasowy")
        .CreateKey("Wysyłanie wszystkich danych");
}

std::string refs(const std::optional<std::set<int>>& devices) {
    std::string text;
    for (int ref : devices.value_or(std::set<int>{})) text += (text.empty() ? "" : ",") + std::to_string(ref);
    return text;
}

}  // namespace

void SendAllShop::SetUp() {
    Transmission::SetUp();
    kindsKey();
}

void SendAllShop::TearDown() {
    gate.open();
    // Unloading the module waits for a run still going; the kinds must outlive it.
    Transmission::TearDown();
    kinds_.clear();
}

void SendAllShop::registerKind(const std::string& guid,
                               std::function<std::string(const std::string&, const SendAllDataActionInvoker&)> work) {
    kinds_.push_back(Core::Action::CContainer::instance().registerActionCreator(
        guid, [guid, work] { return std::make_shared<KindAction>(guid, work); }));
}

void SendAllShop::addKind(const std::string& name, int code, bool toScales, const std::string& guid) {
    std::string actionGuid = guid;
    if (actionGuid.empty()) {
        actionGuid = "{5E0DA11A-0000-4000-8000-1" + std::to_string(1000 + nextGuid_++) + "0000000}";
        registerKind(actionGuid, [this, name](const std::string&, const SendAllDataActionInvoker& invoker) {
            std::lock_guard lock(journalMutex_);
            journal_.push_back(name + ":" + refs(invoker.deviceRefs()));
            return std::string();
        });
    }
    const auto kind = kindsKey().CreateKey(name);
    kind.CreateKey("Kod typu operacji").set_val(code);
    kind.CreateKey("GUID").set_val(actionGuid);
    if (toScales) kind.CreateKey("Wysłanie na wagi").set_val(true);
}

void SendAllShop::addBlockingKind(const std::string& name, int code) {
    const std::string guid = "{5E0DA11A-0000-4000-8000-200000000000}";
    registerKind(guid, [this, name](const std::string&, const SendAllDataActionInvoker&) {
        gate.arriveAndWait();
        std::lock_guard lock(journalMutex_);
        journal_.push_back(name + ":blocked");
        return std::string();
    });
    addKind(name, code, false, guid);
}

void SendAllShop::addThrowingKind(const std::string& name, int code) {
    const std::string guid = "{5E0DA11A-0000-4000-8000-300000000000}";
    registerKind(guid, [](const std::string&, const SendAllDataActionInvoker&) -> std::string {
        throw std::runtime_error("Kasa nie odpowiada.");
    });
    addKind(name, code, false, guid);
}

void SendAllShop::addFailingKind(const std::string& name, int code) {
    const std::string guid = "{5E0DA11A-0000-4000-8000-400000000000}";
    registerKind(guid, [](const std::string&, const SendAllDataActionInvoker&) { return std::string("Brak kas."); });
    addKind(name, code, false, guid);
}

Korvel::TKey SendAllShop::kindsKeyOf(const std::string& name) { return kindsKey().GetKey(name); }

void SendAllShop::configureScaleServer() {
    const auto server = Core::SingletonImplHolder<Core::CSetup>::instance()
                            .getRootKey()
                            .CreateKey("Parametry programu")
                            .CreateKey("FrontOffice")
                            .CreateKey("Serwer Wagowy");
    for (const char* name : {"Katalog tymczasowy", "Katalog danych", "Katalog statusów"}) {
        const auto directory = root / name;
        std::filesystem::create_directories(directory);
        server.CreateKey(name).set_val(directory.string());
    }
    server.CreateKey("Wysyłaj kody wagowe (W)").set_val(true);
    server.CreateKey("Wysyłaj kody wartościowe (C)").set_val(true);
    server.CreateKey("Wysyłaj tylko PLU wagowe pasujące do prefiksu").set_val(false);
    server.CreateKey("Wysyłaj składy surowcowe dla grup").set_val(false);
}

void SendAllShop::addScale(int number) {
    exec("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrKolvenia, nNrSekcji, sNazwa, bWlaczone) values (" +
         std::to_string(200 + number) + ", 1, " + std::to_string(number) + ", 1, 'Waga', 1)");
}

std::string SendAllShop::start(java::pointer<Core::IUnknown> args) {
    const auto answer = Core::Action::CContainer::instance().invoke(
        Kolvenia::ActionGuids::SendAllData, std::make_shared<Core::Action::ExecutorInvoker>(), std::move(args));
    return answer->as<Core::ActionStatus>().message();
}

std::string SendAllShop::start(std::set<int> devices, std::set<int> kinds) {
    SendAllDataArgs args;
    args.deviceRefs = std::move(devices);
    args.kinds = std::move(kinds);
    args.observer = observer;
    return start(java::make<SendAllDataActionInvoker>(std::move(args)));
}

void SendAllShop::run(std::set<int> devices, std::set<int> kinds) {
    ASSERT_EQ(start(std::move(devices), std::move(kinds)), "");
    observer->waitForFinish();
}

Texts SendAllShop::journal() const {
    std::lock_guard lock(journalMutex_);
    return journal_;
}

}  // namespace SendAllTest
