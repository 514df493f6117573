// Names of new label data files: a prefix, the local time now by a strftime format
// ("%m%d%H%M%S" gives "mmddhhnnss") and the extension.
//
// A name is never given twice for one files folder, whichever process asks: the PLU
// transmission ends its label senders with every package, often several a second,
// and the exports run as programs of their own; a reused name would replace a file
// the label server may not have read yet. The last name given is kept in the
// folder's ".ostatni-plik", under a file lock; when it is still current, the caller
// waits for the next second.
#pragma once

#include <string>

namespace Labels {

std::string newLabelFileName(const std::string& folder, const std::string& prefix, const char* timeFormat,
                             const std::string& extension);

}  // namespace Labels
