#include "CurlFtpConnection.h"

#include <boost/format.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>

namespace Ftp {

namespace {

constexpr long kConnectTimeoutSeconds = 15;
// A server that stops answering mid-transfer must not hang a transmission.
constexpr long kResponseTimeoutSeconds = 30;
constexpr long kStalledBytesPerSecond = 1;
constexpr long kStalledSeconds = 30;

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Each path segment escaped on its own, so names with spaces or Polish letters
// survive and the slashes stay separators.
std::string escapedPath(CURL* handle, const std::string& path) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string segment = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        std::unique_ptr<char, decltype(&curl_free)> escaped(
            curl_easy_escape(handle, segment.c_str(), static_cast<int>(segment.size())), curl_free);
        result += escaped ? escaped.get() : segment;
        if (slash == std::string::npos) return result;
        result += '/';
        start = slash + 1;
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

CurlFtpConnection::CurlFtpConnection() { initialiseCurlOnce(); }

CurlFtpConnection::~CurlFtpConnection() { close(); }

void CurlFtpConnection::setPassive(bool passive) { passive_ = passive; }

void CurlFtpConnection::connect(const std::string& server, const std::string& user, const std::string& password) {
    close();
    server_ = server;
    user_ = user;
    handle_ = curl_easy_init();
    if (!handle_) throw FtpError("Nie można utworzyć połączenia FTP.");
    curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorText_);
    // The credentials go as options, never inside the URL, so no message can show them.
    curl_easy_setopt(handle_, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(handle_, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle_, CURLOPT_FTP_RESPONSE_TIMEOUT, kResponseTimeoutSeconds);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, kStalledBytesPerSecond);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    if (!passive_) curl_easy_setopt(handle_, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(handle_, CURLOPT_URL, urlOf("").c_str());
    curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
    perform((boost::format("Nie udało się połączyć z serwerem FTP %1% jako %2%") % server_ % user_).str());
    curl_easy_setopt(handle_, CURLOPT_NOBODY, 0L);
}

void CurlFtpConnection::upload(const std::string& localPath, const std::string& remotePath, bool binary) {
    if (!handle_) throw FtpError("Brak połączenia z serwerem FTP.");
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(localPath.c_str(), "rb"));
    if (!file) throw FtpError((boost::format("Nie można otworzyć pliku %1%.") % localPath).str());
    std::error_code error;
    const auto size = std::filesystem::file_size(localPath, error);
    curl_easy_setopt(handle_, CURLOPT_URL, urlOf(remotePath).c_str());
    curl_easy_setopt(handle_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle_, CURLOPT_READDATA, file.get());
    curl_easy_setopt(handle_, CURLOPT_INFILESIZE_LARGE, error ? curl_off_t(-1) : static_cast<curl_off_t>(size));
    curl_easy_setopt(handle_, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    try {
        perform(
            (boost::format("Nie udało się wysłać pliku %1% na serwer FTP %2% jako %3%") % remotePath % server_ % user_)
                .str());
    } catch (...) {
        curl_easy_setopt(handle_, CURLOPT_UPLOAD, 0L);
        throw;
    }
    curl_easy_setopt(handle_, CURLOPT_UPLOAD, 0L);
}

void CurlFtpConnection::close() {
    if (!handle_) return;
    curl_easy_cleanup(handle_);  // sends QUIT on a live control connection
    handle_ = nullptr;
}

void CurlFtpConnection::perform(const std::string& what) {
    errorText_[0] = '\0';
    const CURLcode result = curl_easy_perform(handle_);
    if (result == CURLE_OK) return;
    const std::string reason = errorText_[0] ? errorText_ : curl_easy_strerror(result);
    throw FtpError(what + ": " + reason);
}

std::string CurlFtpConnection::urlOf(const std::string& remotePath) const {
    std::string path = remotePath;
    // Folders configured on Windows computers end in backslashes.
    for (char& c : path)
        if (c == '\\') c = '/';
    return "ftp://" + server_ + "/" + escapedPath(handle_, path);
}

}  // namespace Ftp
