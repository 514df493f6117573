#include "config/Setup.h"

#include <fstream>
#include <sstream>

#include <boost/format.hpp>

#include "AtomicFile.h"
#include "ConfigurationReader.h"
#include "ConfigurationWriter.h"
#include "core/Errors.h"

namespace Core {

namespace {

std::string readWholeFile(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path))
        throw PlacedRuntimeError(boost::str(boost::format("Brak pliku konfiguracji %1%.") % path.string()),
                                 CORE_SRC_INFO("CSetup::load"));
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    if (in) content << in.rdbuf();
    if (!in)
        throw PlacedRuntimeError(
            boost::str(boost::format("Nie można odczytać pliku konfiguracji %1%.") % path.string()),
            CORE_SRC_INFO("CSetup::load"));
    return content.str();
}

}  // namespace

CSetup::CSetup() : root_(Korvel::TKey::createRoot()) {}

Korvel::TKey CSetup::getRootKey() const {
    std::lock_guard lock(mutex_);
    return root_;
}

void CSetup::load(const std::filesystem::path& path) {
    replaceTree(Korvel::readConfiguration(readWholeFile(path), path.string()), path);
}

void CSetup::loadFromString(const std::string& xml, const std::string& sourceName) {
    replaceTree(Korvel::readConfiguration(xml, sourceName), {});
}

void CSetup::save() const {
    std::filesystem::path target = path();
    if (target.empty())
        throw PlacedRuntimeError("Konfiguracja nie jest związana z plikiem; nie ma gdzie jej zapisać.",
                                 CORE_SRC_INFO("CSetup::save"));
    Korvel::replaceFileAtomically(target, Korvel::writeConfiguration(getRootKey()));
}

void CSetup::saveAs(const std::filesystem::path& path) {
    Korvel::replaceFileAtomically(path, Korvel::writeConfiguration(getRootKey()));
    std::lock_guard lock(mutex_);
    path_ = path;
}

std::filesystem::path CSetup::path() const {
    std::lock_guard lock(mutex_);
    return path_;
}

void CSetup::replaceTree(Korvel::TKey root, std::filesystem::path path) {
    std::lock_guard lock(mutex_);
    root_ = std::move(root);
    path_ = std::move(path);
}

}  // namespace Core
