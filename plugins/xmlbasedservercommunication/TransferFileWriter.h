// The transfer files of one data sender: each is an XML document naming its kind and
// its target cash registers, followed by the records the sender puts in it.
#pragma once

#include <functional>
#include <pugixml.hpp>
#include <set>
#include <string>

namespace XmlBasedServerCommunication {

// A kind of transfer file: its type number and name prefix, and its name in the file.
struct TransferFileKind {
    int type;
    char prefix;
    const char* name;
};

inline constexpr TransferFileKind PluFile{1, 'P', "plu"};
inline constexpr TransferFileKind ProductSetFile{2, 'S', "productSets"};
inline constexpr TransferFileKind BundleFile{3, 'Z', "bundles"};
inline constexpr TransferFileKind PromotionFile{0x20, 'R', "promotions"};

inline constexpr int FormatVersion = 1;

class TransferFileWriter {
public:
    // `directory` ends with '/'.
    TransferFileWriter(TransferFileKind kind, std::string directory);

    void addCashRegister(int deviceNumber) { cashRegisters_.insert(deviceNumber); }

    // Publishes one file whose root element `writeContent` completes with the kind's
    // attributes and records. Without a target cash register there is no one to
    // deliver to, and nothing is written.
    void write(const std::function<void(pugi::xml_node root)>& writeContent) const;

private:
    TransferFileKind kind_;
    std::string directory_;
    std::set<int> cashRegisters_;
};

}  // namespace XmlBasedServerCommunication
