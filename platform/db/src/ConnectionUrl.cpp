#include "ConnectionUrl.h"

#include <boost/format.hpp>

#include "db/OraError.h"

namespace DBKernel {

namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

ConnectionUrl parseConnectionUrl(const std::string& url) {
    if (startsWith(url, "postgresql://") || startsWith(url, "postgres://")) return {Dialect::Engine::PostgreSQL, url};
    if (startsWith(url, "sqlite:")) {
        std::string path = url.substr(7);
        if (startsWith(path, "//")) path.erase(0, 2);  // sqlite:///abs/path
        if (!path.empty()) return {Dialect::Engine::SQLite, path};
    }
    throw Oraerror::EOraError(Oraerror::Code::NoEngineInUrl,
                              (boost::format("adres bazy danych \"%1%\" nie wskazuje rodzaju bazy; oczekiwano "
                                             "\"sqlite:ŚCIEŻKA\" albo \"postgresql://...\"") %
                               displayUrl(url))
                                  .str());
}

std::string displayUrl(const std::string& url) {
    const auto scheme = url.find("://");
    if (scheme == std::string::npos) return url;
    const auto authorityStart = scheme + 3;
    const auto at = url.find('@', authorityStart);
    const auto pathStart = url.find_first_of("/?", authorityStart);
    if (at == std::string::npos || (pathStart != std::string::npos && at > pathStart)) return url;
    const auto colon = url.find(':', authorityStart);
    if (colon == std::string::npos || colon > at) return url;
    return url.substr(0, colon + 1) + "***" + url.substr(at);
}

}  // namespace DBKernel
