// The send-all-PLU dialog's behaviour, without the window: "Wyślij" sends every valid
// PLU to all cash registers regardless of the transmission flags, the dialog following
// the sender's progress; its last text says how many PLUs went.
#pragma once

#include "dialogs/WorkDialog.h"

namespace Kolvenia::AllPlus {

// Host contract: the dialog's class name.
class TdlgSendAllPLU : public WorkDialog {
public:
    TdlgSendAllPLU();

protected:
    void work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) override;
};

}  // namespace Kolvenia::AllPlus
