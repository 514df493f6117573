// IFtpConnection over libcurl. One easy handle carries the session: connect logs in
// with a request that transfers nothing, and every upload reuses that control
// connection while it lives.
#pragma once

#include <curl/curl.h>

#include "ftp/FtpConnection.h"

namespace Ftp {

class CurlFtpConnection : public IFtpConnection {
public:
    CurlFtpConnection();
    ~CurlFtpConnection() override;
    CurlFtpConnection(const CurlFtpConnection&) = delete;
    CurlFtpConnection& operator=(const CurlFtpConnection&) = delete;

    void setPassive(bool passive) override;
    void connect(const std::string& server, const std::string& user, const std::string& password) override;
    void upload(const std::string& localPath, const std::string& remotePath, bool binary) override;
    void close() override;

private:
    // Runs the prepared request; a failure raises FtpError with `what` and curl's reason.
    void perform(const std::string& what);
    std::string urlOf(const std::string& remotePath) const;

    CURL* handle_ = nullptr;
    bool passive_ = true;
    std::string server_;
    std::string user_;
    char errorText_[CURL_ERROR_SIZE] = {};
};

}  // namespace Ftp
