#include "TransferFileWriter.h"

#include <ctime>
#include <sstream>

#include "TransferFilePublisher.h"
#include "XmlValues.h"
#include "core/Debug.h"

namespace XmlBasedServerCommunication {

TransferFileWriter::TransferFileWriter(TransferFileKind kind, std::string directory)
    : kind_(kind), directory_(std::move(directory)) {}

void TransferFileWriter::write(const std::function<void(pugi::xml_node root)>& writeContent) const {
    if (cashRegisters_.empty()) return;

    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("cashRegisterData");
    root.append_attribute("formatVersion") = FormatVersion;
    root.append_attribute("kind") = kind_.name;
    root.append_attribute("created") = formatLocalTime(std::time(nullptr)).c_str();
    pugi::xml_node targets = root.append_child("cashRegisters");
    for (int number : cashRegisters_) targets.append_child("cashRegister").append_attribute("number") = number;
    writeContent(root);

    std::ostringstream content;
    document.save(content, "  ", pugi::format_default, pugi::encoding_utf8);
    const std::string path = publishTransferFile(content.str(), directory_, kind_.type, kind_.prefix);
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine("Zapisano plik " + path,
                             CORE_SRC_INFO("XmlBasedServerCommunication::TransferFileWriter::write"));
}

}  // namespace XmlBasedServerCommunication
