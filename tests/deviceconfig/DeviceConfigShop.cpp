#include "DeviceConfigShop.h"

#include <filesystem>

#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"

namespace DeviceConfigTest {

namespace {

std::string text(const char* name, const std::filesystem::path& value) {
    return std::string("<key name=\"") + name + "\" type=\"string\" value=\"" + value.string() + "\"/>";
}

std::string boolean(const char* name, bool value) {
    return std::string("<key name=\"") + name + "\" type=\"bool\" value=\"" + (value ? "true" : "false") + "\"/>";
}

}  // namespace

void DeviceConfigShop::SetUp() {
    CashRegisterShop::SetUp();
    for (const char* directory : {"tmp", "dane", "status"}) std::filesystem::create_directories(scales / directory);
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\">"
        "<key name=\"Serwer Kasowy\">" +
        text("Katalog - wyjście", out) + "</key><key name=\"Serwer Wagowy\">" +
        text("Katalog tymczasowy", scales / "tmp") + text("Katalog danych", scales / "dane") +
        text("Katalog statusów", scales / "status") + boolean("Wysyłaj kody wagowe (W)", true) +
        boolean("Wysyłaj kody wartościowe (C)", true) +
        boolean("Wysyłaj tylko PLU wagowe pasujące do prefiksu", false) +
        boolean("Wysyłaj składy surowcowe dla grup", false) + "</key></key></key></configuration>");
    addDevice(Register1, 0, 0, 1);
    addDevice(Register2, 0, 0, 2);
    addDevice(Scale11, 1, 1, 1);
    addDevice(Scale12, 1, 1, 2);
    addDevice(Scale21, 1, 2, 1);
    addDevice(131, 2, 0, 1);
    addParameter(1001, Register1, 1, "0");
    addParameter(1002, Register1, 12, "10");
    addParameter(1003, Register2, 1, "0");
    addParameter(1011, Scale11, 131, "Sklep nr 1");
    boxes->otherwise = true;
    FormKernel::installMessageBoxes(boxes);
}

void DeviceConfigShop::TearDown() {
    FormKernel::installMessageBoxes(nullptr);
    CashRegisterShop::TearDown();
}

void DeviceConfigShop::addDevice(int ref, int type, int section, int number) {
    exec("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia) values (" + std::to_string(ref) +
         ", " + std::to_string(type) + ", " + std::to_string(section) + ", " + std::to_string(number) + ")");
}

void DeviceConfigShop::addParameter(int rowRef, int deviceRef, int paramId, const std::string& value) {
    exec("insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (" +
         std::to_string(rowRef) + ", " + std::to_string(deviceRef) + ", " + std::to_string(paramId) + ", '" + value +
         "')");
}

std::string DeviceConfigShop::parameter(int deviceRef, int paramId) {
    DBKernel::Sql::OpenedQuery row("select sWartoscParam from ParamUrz where lUrzadzenieRef = " +
                                       std::to_string(deviceRef) + " and nParamId = " + std::to_string(paramId),
                                   session());
    return row ? row["sWartoscParam"].asString() : "-";
}

std::size_t DeviceConfigShop::nodeOf(const TDeviceConfiguration& dialog, const TSelection& selection) const {
    const auto& nodes = dialog.nodes();
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].selection == selection) return i;
    ADD_FAILURE() << "no node for device " << selection.deviceRef;
    return 0;
}

bool DeviceConfigShop::select(TDeviceConfiguration& dialog, const TSelection& selection) {
    return dialog.selectNode(nodeOf(dialog, selection));
}

}  // namespace DeviceConfigTest
