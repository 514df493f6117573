// The send-all-data action: checks its arguments and the cash-register output
// directory, then sends the chosen kinds of data, one kind action after another in
// ascending type-code order, in a background thread, and returns at once. Only one run
// at a time in the process: a second start while one runs is refused and disturbs
// nothing. Its answer is a Core::ActionStatus: the start, or why it did not start.
// Invoked from the menu with the program's window, it opens the send-all-data dialog.
#pragma once

#include <mutex>
#include <thread>

#include "core/Action.h"
#include "core/Registration.h"
#include "frame/SendAllDataArgs.h"
#include "sendall/DataToSendToDevice.h"

namespace Kolvenia::SendAll {

// Host contract: the action's class name.
class CActionSendAllData : public Core::IAction, public Core::IExecutor {
public:
    // Host contract: holds the process-wide sending-in-progress flag; clears it when
    // destroyed unless it was moved on (to the background thread).
    class RunControl {
    public:
        // Raises "Ostatnie wysłanie danych jeszcze się nie zakończyło.\nAkcja anulowana."
        // when a run is in progress.
        RunControl();
        RunControl(RunControl&& other) noexcept : owner_(other.owner_) { other.owner_ = false; }
        RunControl& operator=(RunControl&&) = delete;
        ~RunControl() { reset(); }
        // Clears the flag now.
        void reset() noexcept;

    private:
        bool owner_ = true;
    };

    ~CActionSendAllData() override;

    std::string getGUID() const override;
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;

private:
    void start(const SendAllDataArgs& args, RunControl control);

    // Only touched with the flag held; joined before the next run and at unload.
    std::thread worker_;
};

// Host contract: the missing-arguments message.
inline constexpr const char* MissingSendAllDataArgs =
    "Brak parametrów dla akcji wysłania wszystkich danych do urządzeń.\nGUID = {BD2AA1D6-5737-4F2C-93F8-289CF0A28CF3}";

}  // namespace Kolvenia::SendAll
