// The local time now, formatted for label file names.
#pragma once

#include <string>

namespace Labels {

// strftime format: "%m%d%H%M%S" gives "mmddhhnnss".
std::string localTimeNow(const char* format);

}  // namespace Labels
