// The local time now, formatted for label file names.
#pragma once

#include <string>

namespace Labels {

// The local time now by a strftime format ("%m%d%H%M%S" gives "mmddhhnnss"), never the
// same text twice in one run of the program: when the previous name of this format is
// still current, waits for the next second. The PLU
// transmission ends its label senders with every package, often several a second,
// and a reused name would replace the previous file on the label server.
std::string uniqueLocalTimeName(const char* format);

}  // namespace Labels
