#include "devicedefs/UrzadzenieCollection.h"

#include <algorithm>

void TUrzadzenieCollection::retainIf(const std::function<bool(const TUrzadzenie&)>& keep) {
    std::erase_if(devices_, [&keep](const std::unique_ptr<TUrzadzenie>& device) { return !keep(*device); });
}
