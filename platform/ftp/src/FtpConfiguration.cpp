#include "ftp/FtpConfiguration.h"

namespace Ftp {

FtpConfiguration::FtpConfiguration(Korvel::TKey key) : key_(std::move(key)) {}

std::string FtpConfiguration::getServer() const { return key_.GetRequiredVal<std::string>("Serwer FTP"); }

std::string FtpConfiguration::getUser() const { return key_.GetRequiredVal<std::string>("Użytkownik FTP"); }

std::string FtpConfiguration::getPassword() const { return key_.GetRequiredVal<std::string>("Hasło FTP"); }

bool FtpConfiguration::getPassive() const {
    auto passive = key_.FindKey("Tryb pasywny FTP");
    return !passive || passive->GetVal<bool>();
}

std::string FtpConfiguration::getFolder(const std::string& name) const {
    auto folder = key_.FindKey(name);
    return folder ? folder->GetVal<std::string>() : std::string();
}

}  // namespace Ftp
