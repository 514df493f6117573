#include "cashregister/vouchers/BlockedVoucherReader.h"

#include "frame/Configuration.h"

namespace Kolvenia::BlockedVouchers {

namespace {

std::string configuredParserId() {
    const auto id = Config::findKey({"Parametry programu", "XML", "Parser", "Id"});
    return id ? id->GetVal<std::string>() : std::string();
}

std::optional<std::string> field(pugi::xml_node record, const char* name) {
    const pugi::xml_node child = record.child(name);
    if (!child) return std::nullopt;
    return std::string(child.text().get());
}

}  // namespace

BlockedVoucherReader::BlockedVoucherReader() : parser_(Xml::Parser::Factory::instance().create(configuredParserId())) {}

BlockedVoucherCollectionPtr BlockedVoucherReader::read(const std::filesystem::path& file) const {
    const auto document = parser_->parseFile(file);
    auto records = std::make_shared<BlockedVoucherCollection>();
    for (pugi::xml_node record : document->document_element().children("blokada"))
        records->push_back({field(record, "grupa"), field(record, "data_waznosci"), field(record, "numerator_od"),
                            field(record, "numerator_do"), field(record, "nominal")});
    return records;
}

}  // namespace Kolvenia::BlockedVouchers
