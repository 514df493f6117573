// Values a window keeps between its openings (a refresh period, a column width): stored
// per window class under a value name, in a place the host chooses. The Qt host keeps
// them in the user's settings file; the console host, which shows no windows, keeps
// them in memory for the life of the process.
//
//   auto data = FormKernel::windowData();
//   const int period = data->readInt("TZaawansowanieTransmisji", "AdwRefreshInterval").value_or(5000);
//   data->writeInt("TZaawansowanieTransmisji", "AdwRefreshInterval", 2500);
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace FormKernel {

class IWindowData {
public:
    virtual ~IWindowData() = default;
    // Empty when the value was never written or does not read as the asked kind.
    virtual std::optional<int> readInt(const std::string& windowClass, const std::string& name) const = 0;
    virtual std::optional<std::string> readText(const std::string& windowClass, const std::string& name) const = 0;
    virtual void writeInt(const std::string& windowClass, const std::string& name, int value) = 0;
    virtual void writeText(const std::string& windowClass, const std::string& name, const std::string& value) = 0;
};

std::shared_ptr<IWindowData> windowData();
// Installs the store of a host with windows; nullptr restores the in-memory one.
void installWindowData(std::shared_ptr<IWindowData> data);

}  // namespace FormKernel
