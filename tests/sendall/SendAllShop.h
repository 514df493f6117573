// A shop for the send-all-data run: the PLU transmission's shop (module loaded, XML
// transfer files in a temporary directory) with kinds of data configured under
// "Wysyłanie wszystkich danych", kinds of other modules stood in for by actions of the
// test that journal what reaches them (or block, or fail), and an observer that the
// test can wait on.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "../plutransmission/Transmission.h"
#include "config/Key.h"
#include "core/Action.h"
#include "core/Registration.h"
#include "frame/SendAllDataActionInvoker.h"

namespace SendAllTest {

using PluTx::Texts;

// What the run reported, as the progress window would show it.
class RecordingObserver : public ISendAllDataProgressObserver {
public:
    void setSteps(int steps) override;
    void advance(int steps) override;
    void finish() override;
    void showText(const std::string& text) override;
    bool cancelled() override;

    void requestCancel();
    // Waits for the finish (fails the test after a generous time).
    void waitForFinish();
    Texts texts() const;
    int steps() const;
    int done() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable finished_;
    Texts texts_;
    int steps_ = -1;
    int done_ = 0;
    bool cancel_ = false;
    bool finish_ = false;
};

// A gate a kind waits at until the test opens it; the test can wait for the kind to arrive.
class Gate {
public:
    void arriveAndWait();
    void waitForArrival();
    void open();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool arrived_ = false;
    bool open_ = false;
};

class SendAllShop : public PluTx::Transmission {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a kind to the configuration; its action is the test's journalling kind unless a GUID is given.
    void addKind(const std::string& name, int code, bool toScales = false, const std::string& guid = "");
    void addScale(int number);
    // The configuration key of a kind added before.
    static Korvel::TKey kindsKeyOf(const std::string& name);
    // The scale server's directories (under the test's root) and sending rules.
    void configureScaleServer();
    // A kind whose action blocks at the gate, one that raises, one that answers a failed status.
    void addBlockingKind(const std::string& name, int code);
    void addThrowingKind(const std::string& name, int code);
    void addFailingKind(const std::string& name, int code);

    // Starts the send-all action; answers its status message ("" when the run started).
    std::string start(std::set<int> devices, std::set<int> kinds);
    std::string start(java::pointer<Core::IUnknown> args);
    // Starts and waits for the run to end.
    void run(std::set<int> devices, std::set<int> kinds);

    // "name:ref,ref" for every kind that ran, in order.
    Texts journal() const;

    std::shared_ptr<RecordingObserver> observer = std::make_shared<RecordingObserver>();
    Gate gate;

private:
    void registerKind(const std::string& guid,
                      std::function<std::string(const std::string&, const SendAllDataActionInvoker&)> work);

    std::vector<Core::RegistrationHandle> kinds_;
    mutable std::mutex journalMutex_;
    Texts journal_;
    int nextGuid_ = 1;
};

}  // namespace SendAllTest
