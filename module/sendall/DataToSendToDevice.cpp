#include "sendall/DataToSendToDevice.h"

#include <algorithm>

#include "core/ActionContainer.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "frame/Configuration.h"

namespace Kolvenia::SendAll {

namespace {

// Host contract: the configuration's key and value names.
constexpr const char* TypeCodeKey = "Kod typu operacji";
constexpr const char* GuidKey = "GUID";
constexpr const char* ToScalesKey = "Wysłanie na wagi";
constexpr const char* AccessGuidKey = "GUID dostępu";
constexpr const char* DependenciesKey = "Zależności";
constexpr const char* IgnoredDependency = ".info";

bool visibleToUser(const std::string& accessGuid) {
    auto invoker = std::make_shared<Core::Action::ExecutorInvoker>();
    const auto answer = Core::Action::CContainer::instance().invoke(accessGuid, invoker, java::make<Core::IUnknown>());
    return answer->as<IDataToSendVisibility>().isVisible();
}

bool optionalFlag(const Korvel::TKey& kind, const char* name) {
    const auto value = kind.FindKey(name);
    return value && value->GetVal<bool>();
}

DataToSendToDeviceDesc readKind(const Korvel::TKey& kinds, const Korvel::TKey& kind) {
    DataToSendToDeviceDesc desc;
    desc.type = kind.GetRequiredVal<int>(TypeCodeKey);
    desc.name = kind.Name();
    desc.guid = kind.GetRequiredVal<std::string>(GuidKey);
    desc.sendToScales = optionalFlag(kind, ToScalesKey);
    if (const auto dependencies = kind.FindKey(DependenciesKey)) {
        for (const Korvel::TKey dependency : *dependencies)
            if (dependency.Name() != IgnoredDependency)
                desc.dependencies.insert(kinds.GetKey(dependency.Name()).GetRequiredVal<int>(TypeCodeKey));
    }
    return desc;
}

}  // namespace

DataToSendToDeviceCollectionPtr DataToSendToDeviceCollection::fromConfiguration() {
    const auto kinds =
        Config::findKey({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Wysyłanie wszystkich danych"});
    if (!kinds)
        // Host contract: the message without the key.
        throw Core::PlacedRuntimeError(
            Core::I18n::translate("Brak klucza \"Wysyłanie wszystkich danych\" w konfiguracji."),
            CORE_SRC_INFO("DataToSendToDeviceCollection::fromConfiguration"));
    std::vector<DataToSendToDeviceDesc> list;
    for (const Korvel::TKey kind : *kinds) {
        if (const auto access = kind.FindKey(AccessGuidKey); access && !visibleToUser(access->GetVal<std::string>()))
            continue;
        list.push_back(readKind(*kinds, kind));
    }
    return std::make_shared<DataToSendToDeviceCollection>(std::move(list));
}

const DataToSendToDeviceDesc* DataToSendToDeviceCollection::find(DataToSendToDeviceDesc::Type type) const {
    const auto found =
        std::find_if(kinds_.begin(), kinds_.end(), [type](const auto& kind) { return kind.type == type; });
    return found == kinds_.end() ? nullptr : &*found;
}

}  // namespace Kolvenia::SendAll
