// Sends every valid PLU to the cash registers regardless of the transmission flags:
// new and ordinary PLUs with a price, and those to be deleted or deleted; blocked ones
// never. Run from the send-all-PLU dialog and as a kind of the send-all-data run;
// writes nothing back but the flags of the PLUs it sent, package by package.
#pragma once

#include <memory>
#include <string>

#include "core/ProgressIndicator.h"
#include "db/SessionHolder.h"
#include "frame/strategies/IUrzCollectionModStrategy.h"

namespace Devices {

class AllPlusSender {
public:
    explicit AllPlusSender(TSessionHolder session = TSessionHolder(true),
                           std::shared_ptr<const IUrzCollectionModStrategy> strategy = nullptr);

    // Sends in packages of "Wielkość paczki zawierającej PLU"; the progress gets the
    // texts of each stage and one step per PLU. Returns the number of PLUs sent.
    int send(Core::ThreadUserIo::ISteppableProgressIndicator& progress);

    // The query over every PLU to send, as issued.
    static std::string query(bool severalSalePrices);

private:
    TSessionHolder session_;
    std::shared_ptr<const IUrzCollectionModStrategy> strategy_;
};

}  // namespace Devices
