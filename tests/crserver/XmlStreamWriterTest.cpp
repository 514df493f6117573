// The transfer files' XML writer against a pugixml tree saved with the options the files
// were always saved with: the same calls must give the same bytes.
#include <gtest/gtest.h>

#include <climits>
#include <pugixml.hpp>
#include <sstream>

#include "XmlStreamWriter.h"

using XmlBasedServerCommunication::XmlStreamWriter;

namespace {

// Applies each call both to the writer and to a tree.
class WriterAndTree {
public:
    WriterAndTree() : writer_(written_) {
        pugi::xml_node declaration = document_.append_child(pugi::node_declaration);
        declaration.append_attribute("version") = "1.0";
        declaration.append_attribute("encoding") = "UTF-8";
        open_.push_back(document_);
    }

    void start(const char* name) {
        open_.push_back(open_.back().append_child(name));
        writer_.startElement(name);
    }
    void end() {
        open_.pop_back();
        writer_.endElement();
    }
    void attribute(const char* name, const std::string& value) {
        open_.back().append_attribute(name) = value.c_str();
        writer_.attribute(name, value);
    }
    template <class Number>
    void number(const char* name, Number value) {
        open_.back().append_attribute(name) = value;
        writer_.attribute(name, value);
    }
    void text(const std::string& value) {
        open_.back().text() = value.c_str();
        writer_.text(value);
    }

    std::string written() {
        writer_.finish();
        return written_;
    }
    std::string saved() const {
        std::ostringstream text;
        document_.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
        return text.str();
    }

private:
    pugi::xml_document document_;
    std::vector<pugi::xml_node> open_;
    std::string written_;
    XmlStreamWriter writer_;
};

std::string everyByte() {
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    return bytes;
}

}  // namespace

TEST(XmlStreamWriter, LaysOutNestedEmptyAndTextElementsAsTheTree) {
    WriterAndTree xml;
    xml.start("cashRegisterData");
    xml.attribute("kind", "bundles");
    xml.start("cashRegisters");
    xml.start("cashRegister");
    xml.number("number", 1);
    xml.end();
    xml.end();
    xml.start("empty");
    xml.end();
    xml.start("plu");
    xml.attribute("name", "");
    xml.start("automaticDiscount");
    xml.text("R1");
    xml.end();
    xml.start("automaticDiscount");
    xml.text("");
    xml.end();
    xml.start("refundation");
    xml.start("deeper");
    xml.end();
    xml.end();
    xml.end();
    xml.start("mixed");
    xml.text("before");
    xml.start("child");
    xml.end();
    xml.end();
    xml.end();
    EXPECT_EQ(xml.written(), xml.saved());
}

TEST(XmlStreamWriter, EscapesEveryCharacterAsTheTreeInAttributesAndText) {
    WriterAndTree xml;
    xml.start("root");
    xml.attribute("all", everyByte());
    xml.attribute("names", "Kawa \"Złota\" & <mleko> 'ekstra'\tA\r\nB");
    xml.start("text");
    xml.text(everyByte());
    xml.end();
    xml.start("cut");
    xml.attribute("value", std::string("before\0after", 12));
    xml.text(std::string("kept\0lost", 9));
    xml.end();
    xml.end();
    const std::string written = xml.written();
    EXPECT_EQ(written, xml.saved());
    EXPECT_NE(written.find("names=\"Kawa &quot;Złota&quot; &amp; &lt;mleko> 'ekstra'&#09;A&#13;&#10;B\""),
              std::string::npos)
        << written;
}

TEST(XmlStreamWriter, WritesNumbersAndTruthAsTheTree) {
    WriterAndTree xml;
    xml.start("numbers");
    xml.number("zero", 0);
    xml.number("intMin", INT_MIN);
    xml.number("unsignedMax", UINT_MAX);
    xml.number("longLongMin", LLONG_MIN);
    xml.number("unsignedLongLongMax", ULLONG_MAX);
    xml.number("yes", true);
    xml.number("no", false);
    xml.end();
    EXPECT_EQ(xml.written(), xml.saved());
}

TEST(XmlStreamWriter, RefusesAttributesAfterContentAndClosingWhatIsNotOpen) {
    std::string out;
    XmlStreamWriter xml(out);
    EXPECT_THROW(xml.endElement(), std::logic_error);
    EXPECT_THROW(xml.text("x"), std::logic_error);
    xml.startElement("root");
    xml.startElement("child");
    xml.endElement();
    EXPECT_THROW(xml.attribute("late", "x"), std::logic_error);
    xml.startElement("withText");
    xml.text("x");
    EXPECT_THROW(xml.attribute("late", "x"), std::logic_error);
    xml.finish();
    EXPECT_EQ(xml.depth(), 0u);
    EXPECT_TRUE(out.ends_with("<withText>x</withText>\n</root>\n")) << out;
}

TEST(XmlStreamWriter, ElementsRenderedApartAreThoseWrittenInPlace) {
    const auto writeBundles = [](XmlStreamWriter& xml) {
        xml.startElement("bundle");
        xml.startElement("item");
        xml.attribute("id", 1);
        xml.endElement();
        xml.endElement();
        xml.startElement("bundle");
        xml.endElement();
    };
    std::string inPlace, placed, elements, empty;
    XmlStreamWriter direct(inPlace), placing(placed), withNone(empty);
    for (XmlStreamWriter* xml : {&direct, &placing, &withNone}) {
        xml->startElement("root");
        xml->startElement("list");
    }
    writeBundles(direct);
    XmlStreamWriter apart(elements, placing.depth());
    writeBundles(apart);
    placing.rendered(elements);
    withNone.rendered("");
    for (XmlStreamWriter* xml : {&direct, &placing, &withNone}) xml->finish();
    EXPECT_EQ(placed, inPlace);
    EXPECT_TRUE(empty.ends_with("<root>\n  <list />\n</root>\n")) << empty;
}
