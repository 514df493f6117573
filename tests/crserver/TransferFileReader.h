// Reads a transfer file back as a cash-register server would, following the format
// documentation: its header and its records.
#pragma once

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "cashregister/Bundles.h"
#include "composition/ProductSet.h"
#include "external/ExportedPlu.h"

namespace CrServerTest {

struct TransferFile {
    pugi::xml_document document;
    pugi::xml_node root;
    std::vector<int> cashRegisters;

    // The record elements of the root, in file order.
    std::vector<pugi::xml_node> records(const char* elementName) const;
};

// Raises when the file is not well-formed XML.
void readTransferFile(const std::filesystem::path& path, TransferFile& file);

Kolvenia::ExportedPlu readPlu(pugi::xml_node element);
Composition::ProductSet readProductSet(pugi::xml_node element);
Kolvenia::BundleWithElements readBundle(pugi::xml_node element);

}  // namespace CrServerTest
