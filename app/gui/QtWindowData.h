// Saved window data in the user's settings file, through QSettings in INI format:
// $XDG_CONFIG_HOME/korvel/korvel.ini (~/.config/korvel/korvel.ini by default), one
// section per window class, one key per value name:
//
//   [TZaawansowanieTransmisji]
//   AdwRefreshInterval=2500
//
// Every read and write opens the file anew, so a path set with QSettings::setPath (as
// tests do) takes effect at once, and a write is on disk when the call returns.
#pragma once

#include "forms/WindowData.h"

namespace Korvel::Gui {

class QtWindowData : public FormKernel::IWindowData {
public:
    std::optional<int> readInt(const std::string& windowClass, const std::string& name) const override;
    std::optional<std::string> readText(const std::string& windowClass, const std::string& name) const override;
    void writeInt(const std::string& windowClass, const std::string& name, int value) override;
    void writeText(const std::string& windowClass, const std::string& name, const std::string& value) override;

    // The settings file's full path.
    static std::string fileName();
};

}  // namespace Korvel::Gui
