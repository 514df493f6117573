#include "db/OraError.h"

#include <boost/format.hpp>

namespace Oraerror {

EOraError::EOraError(int errorCode, const std::string& engineMessage)
    : std::runtime_error((boost::format("ORA-%05d: %s") % errorCode % engineMessage).str()),
      ErrorCode(errorCode),
      engineMessage_(engineMessage) {}

}  // namespace Oraerror
