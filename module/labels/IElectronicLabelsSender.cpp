#include "labels/IElectronicLabelsSender.h"

#include <algorithm>
#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/ActionContainer.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "files/Environment.h"
#include "frame/Configuration.h"
#include "ftp/FtpConfiguration.h"
#include "ftp/FtpConnection.h"
#include "labels/DecimalPicture.h"

namespace fs = std::filesystem;

namespace Senders {

const std::string IElectronicLabelsSender::datFileExt = ".dat";
const std::string IElectronicLabelsSender::flagFileExt = ".flg";
const std::string IElectronicLabelsSender::labelsFolderSetupKeyName = "Folder etykiet";

namespace {

using Core::I18n::translate;

void log(const std::string& text) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, CORE_SRC_INFO("IElectronicLabelsSender::sendFiles"));
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The names of the data files of the folder, in ascending byte order.
std::set<std::string> dataFilesIn(const std::string& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_directory()) continue;
        const std::string name = entry.path().filename().string();
        const std::string ext = upper(IElectronicLabelsSender::datFileExt);
        if (name.size() >= ext.size() && upper(name).compare(name.size() - ext.size(), ext.size(), ext) == 0)
            names.insert(name);
    }
    return names;
}

void writeFlagFile(const std::string& path) {
    std::ofstream flag(path, std::ios::binary | std::ios::trunc);
    // Host contract: the flag file failure message.
    if (!flag)
        throw Core::PlacedRuntimeError((boost::format(translate("Błąd zapisu do pliku %1%.")) % path).str(),
                                       CORE_SRC_INFO("IElectronicLabelsSender::sendFiles"));
    flag << ":-)";
}

Ftp::IFtpConnectionPtr newConnection() {
    return Ftp::connectionOf(Core::Action::CContainer::instance().invoke(
        Ftp::ConnectionActionGuid, std::make_shared<Core::Action::NullInvoker>(), java::pointer<Core::IUnknown>()));
}

// Closes the connection however the upload ends.
struct ClosingConnection {
    Ftp::IFtpConnectionPtr connection;
    ~ClosingConnection() {
        try {
            connection->close();
        } catch (...) {
            // the files' fate is already decided; a failing logout changes nothing
        }
    }
};

}  // namespace

IElectronicLabelsSender::IElectronicLabelsSender() {
    labelsKey_ = Kolvenia::Config::findKey({"Parametry sklepu", "Towary", "Etykiety elektroniczne"});
    if (!labelsKey_) return;
    enabled_ = labelsKey_->GetRequiredVal<bool>("Włączone");
    if (auto mapping = labelsKey_->FindKey("Mapowanie jednostek miar"))
        for (const Korvel::TKey& unit : *mapping)
            unitMapping_[boost::lexical_cast<int>(unit.Name())] = unit.GetVal<int>();
}

IElectronicLabelsSender::~IElectronicLabelsSender() = default;

void IElectronicLabelsSender::enableFor(const std::string& className) {
    enabled_ = enabled_ && labelsKey_->GetRequiredVal<std::string>("Klasa eksportu") == className;
}

int IElectronicLabelsSender::mappedUnit(int measureUnit) { return unitMapping_[measureUnit]; }

void IElectronicLabelsSender::prepareFilesFolder() {
    std::string folder =
        Files::expandEnvironmentVariables(labelsKey_->GetRequiredVal<std::string>("Katalog plików etykiet"));
    if (!folder.empty() && folder.back() != '/') folder += '/';
    std::error_code error;
    fs::create_directories(folder, error);
    // Host contract: the folder failure message.
    if (error || !fs::is_directory(folder))
        throw Core::PlacedRuntimeError(translate("Błąd utworzenia katalogu ") + folder,
                                       CORE_SRC_INFO("IElectronicLabelsSender::prepareFilesFolder"));
    filesFolder_ = folder;
}

std::string IElectronicLabelsSender::formatValue(const std::string& value, int width, char fill,
                                                 std::ios_base& (*adjust)(std::ios_base&)) {
    std::string text = value.substr(0, static_cast<std::size_t>(std::max(width, 0)));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\t' || c == '\r'; }, ' ');
    const std::string padding(static_cast<std::size_t>(std::max(width, 0)) - text.size(), fill);
    return adjust == static_cast<std::ios_base& (*)(std::ios_base&)>(std::left) ? text + padding : padding + text;
}

std::string IElectronicLabelsSender::formatValue(double value, char decimalSeparator, const std::string& picture) {
    return Labels::DecimalPicture(picture).format(value, decimalSeparator);
}

void IElectronicLabelsSender::sendFiles() {
    const std::set<std::string> names = dataFilesIn(filesFolder_);
    if (names.empty()) return;
    log("IElectronicLabelsSender::sendFiles start");
    Ftp::FtpConfiguration configuration(*labelsKey_);
    const std::string server = configuration.getServer();
    ClosingConnection session;
    try {
        session.connection = newConnection();
        session.connection->setPassive(configuration.getPassive());
        session.connection->connect(server, configuration.getUser(), configuration.getPassword());
    } catch (const std::exception& e) {
        // Host contract: the connection failure message.
        throw Core::PlacedRuntimeError(translate("Błąd połączenia z serwerem etykiet ") + server + ": " + e.what() +
                                           translate("\nPliki zostaną wysłane przy następnym przesłaniu."),
                                       CORE_SRC_INFO("IElectronicLabelsSender::sendFiles"));
    }
    const std::string folder = configuration.getFolder(labelsFolderSetupKeyName);
    std::string remoteFolder = folder;
    if (!remoteFolder.empty() && remoteFolder.back() != '\\' && remoteFolder.back() != '/') remoteFolder += '/';
    for (const std::string& name : names) {
        const std::string base = name.substr(0, name.rfind('.'));
        // The name as found: on a case-sensitive file system "X.DAT" is not "X.dat".
        const std::string localData = filesFolder_ + name;
        const std::string localFlag = filesFolder_ + base + flagFileExt;
        writeFlagFile(localFlag);
        try {
            session.connection->upload(localData, remoteFolder + base + datFileExt, true);
            session.connection->upload(localFlag, remoteFolder + base + flagFileExt, true);
        } catch (const std::exception& e) {
            Core::Debug::logException(CORE_SRC_INFO("IElectronicLabelsSender::sendFiles"), e.what());
            // Host contract: the transfer failure message.
            throw Core::PlacedRuntimeError(translate("Błąd przesyłania plików etykiet na serwer ") + server +
                                               translate(" do katalogu ") + folder +
                                               translate(". Pliki zostaną wysłane przy następnym przesłaniu."),
                                           CORE_SRC_INFO("IElectronicLabelsSender::sendFiles"));
        }
        fs::remove(localData);
        fs::remove(localFlag);
    }
    log("IElectronicLabelsSender::sendFiles end");
}

}  // namespace Senders
