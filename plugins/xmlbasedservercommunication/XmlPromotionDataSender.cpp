#include "XmlPromotionDataSender.h"

#include "XmlValues.h"
#include "core/Errors.h"
#include "external/WideText.h"

namespace XmlBasedServerCommunication {

namespace {

// The records' writer for the serializers of conditions, profits and parameters: it
// writes within the element open when it was made and never closes that one.
class PromotionXmlWriter : public CashRegisterServerCommunication::Impl::XmlBased::XmlWriter {
public:
    explicit PromotionXmlWriter(XmlStreamWriter& xml) : xml_(xml), depth_(xml.depth()) {}
    // Closes what the serializer left open.
    ~PromotionXmlWriter() override {
        while (xml_.depth() > depth_) xml_.endElement();
    }

    void startElement(const std::string& name) override { xml_.startElement(name); }
    void endElement() override {
        if (xml_.depth() == depth_)
            throw Core::PlacedLogicError("Zamknięcie elementu, który nie był otwarty.",
                                         CORE_SRC_INFO("PromotionXmlWriter::endElement"));
        xml_.endElement();
    }
    void attribute(const std::string& name, const std::string& value) override { xml_.attribute(name, value); }
    void attribute(const std::string& name, std::int64_t value) override { xml_.attribute(name, value); }
    void attribute(const std::string& name, double value) override { xml_.attribute(name, formatNumber(value)); }
    void attribute(const std::string& name, bool value) override { xml_.attribute(name, value); }

private:
    XmlStreamWriter& xml_;
    std::size_t depth_;
};

void appendGift(XmlStreamWriter& xml, const Kolvenia::ExportedPromotionGift& gift) {
    xml.startElement("gift");
    if (gift.getId()) xml.attribute("id", *gift.getId());
    xml.attribute("name", gift.getName());
    xml.endElement();
}

void appendText(XmlStreamWriter& xml, const char* name, const std::wstring& text) {
    if (text.empty()) return;
    xml.startElement(name);
    xml.text(Kolvenia::utf8FromWide(text));
    xml.endElement();
}

void appendPromotion(XmlStreamWriter& xml, const Kolvenia::ExportedPromotion& promotion) {
    xml.startElement("promotion");
    if (promotion.getId()) xml.attribute("id", *promotion.getId());
    xml.attribute("name", promotion.getName());
    xml.attribute("beginDate", formatDay(static_cast<int>(promotion.getBeginDate())));
    xml.attribute("endDate", formatDay(static_cast<int>(promotion.getEndDate())));
    xml.attribute("beginTime", promotion.getBeginTimeFromMidnightInSeconds());
    xml.attribute("endTime", promotion.getEndTimeFromMidnightInSeconds());
    xml.attribute("repeatability", promotion.getRepeatability());
    xml.attribute("externalGuid", promotion.getExternalGuid());
    xml.attribute("externalId", promotion.getExternalId());
    xml.attribute("status", static_cast<int>(promotion.getStatus()));
    xml.attribute("communique", promotion.getCommunique());
    xml.attribute("simple", promotion.getSimple());
    xml.attribute("welcome", promotion.getWelcome());
    if (const auto parameters = promotion.getSerializeParametersFunction()) {
        PromotionXmlWriter writer(xml);
        parameters(writer);
    }
    appendText(xml, "activators", promotion.getActivatorsXml());
    appendText(xml, "tags", promotion.getTagsXml());
    xml.startElement("conditions");
    {
        PromotionXmlWriter conditions(xml);
        for (const auto& condition : *promotion.getConditions())
            if (condition->isConditionSerializable()) condition->serialize(conditions);
    }
    xml.endElement();
    xml.startElement("profits");
    {
        PromotionXmlWriter profits(xml);
        for (const auto& profit : *promotion.getProfits())
            if (profit->isProfitSerializable()) profit->serialize(profits);
    }
    xml.endElement();
    xml.endElement();
}

}  // namespace

void XmlPromotionDataSender::send() {
    if (promotions_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) {
        for (const auto& gift : gifts_) appendGift(xml, gift);
        for (const auto& promotion : promotions_) appendPromotion(xml, promotion);
    });
    promotions_.clear();
}

}  // namespace XmlBasedServerCommunication
