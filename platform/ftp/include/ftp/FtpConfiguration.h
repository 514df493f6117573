// The FTP settings of one configuration key: the server, the account, the transfer
// mode and remote folders asked for by name. Values are read when asked for, so a
// changed tree is seen at once.
//
//   Ftp::FtpConfiguration ftp(labelsKey);
//   connection->connect(ftp.getServer(), ftp.getUser(), ftp.getPassword());
//   std::string folder = ftp.getFolder("Folder etykiet");
#pragma once

#include <string>

#include "config/Key.h"

namespace Ftp {

// Host contract: the FTP library's configuration reader.
class FtpConfiguration {
public:
    explicit FtpConfiguration(Korvel::TKey key);

    // "Serwer FTP": host name or address, optionally with ":port". Required.
    std::string getServer() const;
    // "Użytkownik FTP" and "Hasło FTP". Required (the password may be empty).
    std::string getUser() const;
    std::string getPassword() const;
    // "Tryb pasywny FTP": passive transfers; true when the key is absent.
    bool getPassive() const;
    // The text of the child key `name`: a folder on the server, relative to the login
    // folder unless it starts with a slash. Empty when the key is absent.
    std::string getFolder(const std::string& name) const;

private:
    Korvel::TKey key_;
};

}  // namespace Ftp
