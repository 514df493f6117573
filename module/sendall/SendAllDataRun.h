// One send-all-data run, as the background thread performs it: narrows the devices to
// cash registers for kinds that do not go to scales, invokes each chosen kind's action
// with its own SendAllDataActionInvoker, and reports to the observer (one step per
// kind, the kind's name, the final text). The observer's cancel request is read
// between kinds.
#pragma once

#include <functional>

#include "frame/SendAllDataArgs.h"
#include "sendall/DataToSendToDevice.h"

namespace Kolvenia::SendAll {

class SendAllDataRun {
public:
    SendAllDataRun(SendAllDataArgs args, DataToSendToDeviceCollectionPtr kinds);

    // Never raises: a kind that fails ends the run with "Błąd podczas wysyłania danych."
    // and its own message on the observer. `ended` runs before the observer's finish,
    // so that whoever waits for the finish may start the next run at once.
    void operator()(const std::function<void()>& ended);

private:
    void sendKinds(bool& cancelled);
    void sendKind(const DataToSendToDeviceDesc& kind, const SendAllDataArgs& kindArgs);

    SendAllDataArgs all_;
    SendAllDataArgs cashRegistersOnly_;
    DataToSendToDeviceCollectionPtr kinds_;
    std::shared_ptr<ISendAllDataProgressObserver> observer_;
};

}  // namespace Kolvenia::SendAll
