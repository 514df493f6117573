// What the scale sender sends, from "Parametry programu" -> "FrontOffice" ->
// "Serwer Wagowy": which code kinds, which weight PLUs (by prefix), and for which
// product groups compositions go along. Switches are read at every call; the prefix
// and group lists once, when the object is made.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Devices {

// Host contract: the sender's settings, in this order.
class IScaleXmlSenderConfig {
public:
    virtual bool sendWeightCodes() const = 0;
    virtual bool sendValueCodes() const = 0;
    virtual bool sendOnlyWeightPlusMatchingPrefix() const = 0;
    virtual bool pluMatchesPrefix(const std::string& plu) const = 0;
    virtual int recordsPerFile() const = 0;
    virtual bool sendCompositionsOnlyForListedGroups() const = 0;
    virtual const std::set<std::string>& compositionGroups() const = 0;
    virtual ~IScaleXmlSenderConfig() = default;
};
using IScaleXmlSenderConfigPtr = std::shared_ptr<const IScaleXmlSenderConfig>;

class DefaultScaleXmlSenderConfig : public IScaleXmlSenderConfig {
public:
    static constexpr int RecordsPerFile = 200;

    DefaultScaleXmlSenderConfig();

    // Host contract: "Wysyłaj kody wagowe (W)".
    bool sendWeightCodes() const override;
    // Host contract: "Wysyłaj kody wartościowe (C)".
    bool sendValueCodes() const override;
    // Host contract: "Wysyłaj tylko PLU wagowe pasujące do prefiksu", the key's value.
    bool sendOnlyWeightPlusMatchingPrefix() const override;
    // The PLU begins with the name of one of that key's sub-keys.
    bool pluMatchesPrefix(const std::string& plu) const override;
    int recordsPerFile() const override { return RecordsPerFile; }
    // Host contract: "Wysyłaj składy surowcowe dla grup", the key's value.
    bool sendCompositionsOnlyForListedGroups() const override;
    // Its "Lista grup", split at commas, semicolons, newlines, tabs and spaces.
    const std::set<std::string>& compositionGroups() const override { return groups_; }

    // The pieces of a group list.
    static std::set<std::string> splitGroupList(const std::string& text);

private:
    std::vector<std::string> prefixes_;
    std::set<std::string> groups_;
};

}  // namespace Devices
