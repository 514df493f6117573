// The host's log-out veto: work that must not be cut short (a transmission writing to
// the devices and the database) holds a TerminationBlock while it runs, and the host
// asks terminationAllowed() before it closes its main window or logs the operator out.
//
//   {
//       FormKernel::TerminationBlock block;   // the host refuses to close meanwhile
//       ... the transmission ...
//   }
#pragma once

namespace FormKernel {

// Counted, so that nested blocks release the veto only when the last one ends.
void disableTermination();
void enableTermination();
bool terminationAllowed();

class TerminationBlock {
public:
    TerminationBlock() { disableTermination(); }
    ~TerminationBlock() { enableTermination(); }
    TerminationBlock(const TerminationBlock&) = delete;
    TerminationBlock& operator=(const TerminationBlock&) = delete;
};

}  // namespace FormKernel
