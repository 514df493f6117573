// Reads one blocked-voucher import file: an XML document whose root holds one
// "blokada" element per blocked range, each with the children "grupa",
// "data_waznosci", "nominal", "numerator_od" and "numerator_do" in any order. Other
// elements are ignored; a missing child leaves its field empty; of repeated children
// the first counts.
#pragma once

#include <filesystem>
#include <memory>

#include "cashregister/vouchers/BlockedVoucher.h"
#include "xml/Parser.h"

namespace Kolvenia::BlockedVouchers {

class BlockedVoucherReader {
public:
    // With the parser named by "Parametry programu" -> "XML" -> "Parser" -> "Id" (the
    // host's default parser when the key is missing).
    BlockedVoucherReader();

    // A file that is not well-formed XML raises Xml::Parser::ParseError naming it.
    BlockedVoucherCollectionPtr read(const std::filesystem::path& file) const;

private:
    std::shared_ptr<Xml::Parser::IParser> parser_;
};

}  // namespace Kolvenia::BlockedVouchers
