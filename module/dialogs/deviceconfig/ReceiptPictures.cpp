#include "dialogs/deviceconfig/ReceiptPictures.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "core/I18n.h"
#include "db/Command.h"
#include "db/GetRef.h"
#include "db/Query.h"
#include "frame/Configuration.h"

namespace Kolvenia::DeviceConfig {

namespace {

using Core::I18n::translate;

constexpr int DefaultWidth = 384;  // the dots of a common 80 mm receipt printer
constexpr int DefaultHeight = 240;
constexpr int DotsPerByte = 8;

int limit(const char* name, int fallback) {
    const auto key = Config::findKey({"Parametry sklepu", "Urządzenia", "Obrazek paragonu", name});
    return key ? key->GetVal<int>() : fallback;
}

std::string hex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

std::string bytesOf(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    return bytes;
}

}  // namespace

PictureLimits receiptPictureLimits() {
    const PictureLimits limits{limit("Maksymalna szerokość", DefaultWidth),
                               limit("Maksymalna wysokość", DefaultHeight)};
    if (limits.width <= 0 || limits.width % DotsPerByte != 0)
        throw Core::PlacedRuntimeError(
            (boost::format(translate("Maksymalna szerokość obrazka (%1%) musi być wielokrotnością 8.")) % limits.width)
                .str(),
            CORE_SRC_INFO("DeviceConfig::receiptPictureLimits"));
    return limits;
}

std::int64_t storeReceiptPicture(TSessionHolder session, const ReceiptPicture& picture) {
    const PictureLimits limits = receiptPictureLimits();
    const bool fits = picture.width > 0 && picture.height > 0 && picture.width % DotsPerByte == 0 &&
                      picture.width <= limits.width && picture.height <= limits.height &&
                      picture.bits.size() == static_cast<std::size_t>(picture.width / DotsPerByte * picture.height);
    if (!fits)
        throw Core::PlacedRuntimeError((boost::format(translate("Obrazek %1%x%2% nie mieści się w %3%x%4% punktów.")) %
                                        picture.width % picture.height % limits.width % limits.height)
                                           .str(),
                                       CORE_SRC_INFO("DeviceConfig::storeReceiptPicture"));
    const std::int64_t ref = GetRef(session);
    DBKernel::Sql::Command insert(
        "insert into ObrazekParagonu (lObrazekRef, nSzerokosc, nWysokosc, sDane) values (:lObrazekRef, :nSzerokosc, "
        ":nWysokosc, :sDane)",
        session);
    insert.Params["lObrazekRef"] = ref;
    insert.Params["nSzerokosc"] = picture.width;
    insert.Params["nWysokosc"] = picture.height;
    insert.Params["sDane"] = hex(picture.bits);
    insert.execute();
    return ref;
}

std::optional<ReceiptPicture> loadReceiptPicture(TSessionHolder session, std::int64_t ref) {
    DBKernel::Sql::OpenedQuery row(
        "select nSzerokosc, nWysokosc, sDane from ObrazekParagonu where lObrazekRef = " + std::to_string(ref), session);
    if (!row) return std::nullopt;
    return ReceiptPicture{row["nSzerokosc"].asInt(), row["nWysokosc"].asInt(), bytesOf(row["sDane"].asString())};
}

}  // namespace Kolvenia::DeviceConfig
