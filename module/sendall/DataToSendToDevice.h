// The kinds of data a new cash register can be sent at once. The module ships none:
// each kind is a sub-key of "Wysyłanie wszystkich danych" naming the action that sends
// it. The list is read when the selection window is made and when a send-all run
// starts, on the host's thread.
//
//   auto kinds = DataToSendToDeviceCollection::fromConfiguration();
//   const DataToSendToDeviceDesc* plu = kinds->find(20);
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/IUnknown.h"

namespace Kolvenia::SendAll {

// Host contract: one kind of data.
struct DataToSendToDeviceDesc {
    using Type = int;  // "Kod typu operacji": identifies and orders the kinds

    Type type = 0;
    std::string name;  // the sub-key's name, shown to the operator
    std::string guid;  // the action that sends the kind
    std::set<Type> dependencies;
    bool sendToScales = false;
};

// What the action named by "GUID dostępu" answers: whether the current user sees the kind.
class IDataToSendVisibility : public virtual Core::IUnknown {
public:
    virtual bool isVisible() const = 0;
};

// Host contract: the kinds in the order of their configuration entries.
class DataToSendToDeviceCollection {
public:
    explicit DataToSendToDeviceCollection(std::vector<DataToSendToDeviceDesc> kinds) : kinds_(std::move(kinds)) {}

    // Reads "Parametry programu\FrontOffice\Serwer Kasowy\Wysyłanie wszystkich danych",
    // leaving out the kinds their access action hides; raises
    // "Brak klucza "Wysyłanie wszystkich danych" w konfiguracji." without the key.
    static std::shared_ptr<const DataToSendToDeviceCollection> fromConfiguration();

    const std::vector<DataToSendToDeviceDesc>& kinds() const { return kinds_; }
    // The kind with the code; null when the list has none.
    const DataToSendToDeviceDesc* find(DataToSendToDeviceDesc::Type type) const;

private:
    std::vector<DataToSendToDeviceDesc> kinds_;
};

using DataToSendToDeviceCollectionPtr = std::shared_ptr<const DataToSendToDeviceCollection>;

}  // namespace Kolvenia::SendAll
