// The send-all-data dialog action: warns that sending does not overwrite old data,
// lets the operator tick kinds and devices in the selection window, then starts the
// send-all-data action with a progress window as its observer. The progress window is
// modeless, so the program stays usable during the run. Needs the program's window; in
// the console host it fails naming itself.
#pragma once

#include "core/Action.h"

namespace Kolvenia::SendAll {

// Host contract: the action's class name.
class CActionSendAllDataDlg : public Core::IAction, public Core::IExecutor {
public:
    // Host contract: the menu item both windows receive.
    static constexpr const char* menuPath = ".miTransmisje.miPrzeslanieWszystkichDanych";

    std::string getGUID() const override;
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

}  // namespace Kolvenia::SendAll
