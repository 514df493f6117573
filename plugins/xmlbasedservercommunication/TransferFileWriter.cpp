#include "TransferFileWriter.h"

#include <ctime>

#include "TransferFilePublisher.h"
#include "XmlValues.h"
#include "core/Debug.h"

namespace XmlBasedServerCommunication {

TransferFileWriter::TransferFileWriter(TransferFileKind kind, std::string directory)
    : kind_(kind), directory_(std::move(directory)) {}

void TransferFileWriter::write(const Content& writeAttributes, const Content& writeRecords) {
    if (cashRegisters_.empty()) return;

    text_.clear();
    XmlStreamWriter xml(text_);
    xml.startElement("cashRegisterData");
    xml.attribute("formatVersion", FormatVersion);
    xml.attribute("kind", kind_.name);
    xml.attribute("created", formatLocalTime(std::time(nullptr)));
    if (writeAttributes) writeAttributes(xml);
    xml.startElement("cashRegisters");
    for (int number : cashRegisters_) {
        xml.startElement("cashRegister");
        xml.attribute("number", number);
        xml.endElement();
    }
    xml.endElement();
    writeRecords(xml);
    xml.finish();

    const std::string path = publishTransferFile(text_, directory_, kind_.type, kind_.prefix);
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine("Zapisano plik " + path,
                             CORE_SRC_INFO("XmlBasedServerCommunication::TransferFileWriter::write"));
}

}  // namespace XmlBasedServerCommunication
