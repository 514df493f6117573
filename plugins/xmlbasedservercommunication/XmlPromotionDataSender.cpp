#include "XmlPromotionDataSender.h"

#include <vector>

#include "XmlValues.h"
#include "core/Errors.h"
#include "external/WideText.h"

namespace XmlBasedServerCommunication {

namespace {

// The records' writer over a pugixml tree: elements open below the current one.
class PugiXmlWriter : public CashRegisterServerCommunication::Impl::XmlBased::XmlWriter {
public:
    explicit PugiXmlWriter(pugi::xml_node parent) : open_{parent} {}

    void startElement(const std::string& name) override { open_.push_back(open_.back().append_child(name.c_str())); }
    void endElement() override {
        if (open_.size() == 1)
            throw Core::PlacedLogicError("Zamknięcie elementu, który nie był otwarty.",
                                         CORE_SRC_INFO("PugiXmlWriter::endElement"));
        open_.pop_back();
    }
    void attribute(const std::string& name, const std::string& value) override {
        open_.back().append_attribute(name.c_str()) = value.c_str();
    }
    void attribute(const std::string& name, std::int64_t value) override {
        open_.back().append_attribute(name.c_str()) = static_cast<long long>(value);
    }
    void attribute(const std::string& name, double value) override {
        open_.back().append_attribute(name.c_str()) = formatNumber(value).c_str();
    }
    void attribute(const std::string& name, bool value) override {
        open_.back().append_attribute(name.c_str()) = value;
    }

private:
    std::vector<pugi::xml_node> open_;
};

void appendGift(pugi::xml_node parent, const Kolvenia::ExportedPromotionGift& gift) {
    pugi::xml_node node = parent.append_child("gift");
    if (gift.getId()) node.append_attribute("id") = *gift.getId();
    node.append_attribute("name") = gift.getName().c_str();
}

void appendText(pugi::xml_node parent, const char* name, const std::wstring& text) {
    if (!text.empty()) parent.append_child(name).text() = Kolvenia::utf8FromWide(text).c_str();
}

void appendPromotion(pugi::xml_node parent, const Kolvenia::ExportedPromotion& promotion) {
    pugi::xml_node node = parent.append_child("promotion");
    if (promotion.getId()) node.append_attribute("id") = *promotion.getId();
    node.append_attribute("name") = promotion.getName().c_str();
    node.append_attribute("beginDate") = formatDay(static_cast<int>(promotion.getBeginDate())).c_str();
    node.append_attribute("endDate") = formatDay(static_cast<int>(promotion.getEndDate())).c_str();
    node.append_attribute("beginTime") = promotion.getBeginTimeFromMidnightInSeconds();
    node.append_attribute("endTime") = promotion.getEndTimeFromMidnightInSeconds();
    node.append_attribute("repeatability") = promotion.getRepeatability();
    node.append_attribute("externalGuid") = promotion.getExternalGuid().c_str();
    node.append_attribute("externalId") = promotion.getExternalId().c_str();
    node.append_attribute("status") = static_cast<int>(promotion.getStatus());
    node.append_attribute("communique") = promotion.getCommunique().c_str();
    node.append_attribute("simple") = promotion.getSimple();
    node.append_attribute("welcome") = promotion.getWelcome();
    PugiXmlWriter writer(node);
    if (const auto parameters = promotion.getSerializeParametersFunction()) parameters(writer);
    appendText(node, "activators", promotion.getActivatorsXml());
    appendText(node, "tags", promotion.getTagsXml());
    PugiXmlWriter conditions(node.append_child("conditions"));
    for (const auto& condition : *promotion.getConditions())
        if (condition->isConditionSerializable()) condition->serialize(conditions);
    PugiXmlWriter profits(node.append_child("profits"));
    for (const auto& profit : *promotion.getProfits())
        if (profit->isProfitSerializable()) profit->serialize(profits);
}

}  // namespace

void XmlPromotionDataSender::send() {
    if (promotions_.empty()) return;
    file_.write([&](pugi::xml_node root) {
        for (const auto& gift : gifts_) appendGift(root, gift);
        for (const auto& promotion : promotions_) appendPromotion(root, promotion);
    });
    promotions_.clear();
}

}  // namespace XmlBasedServerCommunication
