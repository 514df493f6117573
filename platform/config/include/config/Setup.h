// The host's configuration: one tree, loaded from and saved to its XML file.
// Found through Core::SingletonImplHolder<Core::CSetup>::instance().
#pragma once

#include <filesystem>
#include <mutex>
#include <string>

#include "config/Key.h"

namespace Core {

class CSetup {
public:
    // An empty tree, bound to no file.
    CSetup();

    // The root of the current tree. A load replaces the tree: handles taken before it
    // keep the tree they were taken from.
    Korvel::TKey getRootKey() const;

    // Replaces the tree with the file's and binds to the file. A missing or malformed
    // file raises Core::PlacedRuntimeError (file, line, reason) and changes nothing.
    void load(const std::filesystem::path& path);
    // As load, from text; `sourceName` names the text in messages. Binds to no file.
    void loadFromString(const std::string& xml, const std::string& sourceName = "(tekst)");

    // Writes the tree to the bound file, atomically. Raises when bound to no file.
    void save() const;
    // Writes the tree to `path`, atomically, and binds to it.
    void saveAs(const std::filesystem::path& path);

    // The bound file; empty when none.
    std::filesystem::path path() const;

private:
    void replaceTree(Korvel::TKey root, std::filesystem::path path);

    mutable std::mutex mutex_;
    Korvel::TKey root_;
    std::filesystem::path path_;
};

}  // namespace Core
