#include "pricechecker/DirectoryPriceChecker.h"

#include "cashregister/TransferFiles.h"
#include "frame/Configuration.h"
#include "tools/PluStatus.h"

namespace Devices::PriceChecker {

namespace {

// Host contract: the PLU lookup of the price-checker route.
std::string productCodesSql() {
    return "select sPLU from PLU where lTowarRef=:lTowarRef  and byStatus in (" + std::to_string(Plu::Status::New) +
           ", " + std::to_string(Plu::Status::Ordinary) + ") order by NVL(byBlokada, 0)";
}

}  // namespace

// Host contract: the price checker's keys.
DirectoryPriceCheckerSettings DirectoryPriceCheckerSettings::read() {
    const auto enabled = Kolvenia::Config::findKey({"Parametry programu", "FrontOffice", "PriceChecker", "Włączony"});
    DirectoryPriceCheckerSettings settings;
    settings.enabled = enabled && enabled->GetVal<bool>();
    if (settings.enabled)
        settings.directory =
            Kolvenia::Config::directory({"Parametry programu", "FrontOffice", "PriceChecker", "Katalog"});
    return settings;
}

std::optional<DirectoryPriceChecker> DirectoryPriceChecker::configured(
    TSessionHolder session, Devices::IPluDeletionPredicatePtr deletionPredicate) {
    const DirectoryPriceCheckerSettings settings = DirectoryPriceCheckerSettings::read();
    if (!settings.enabled) return std::nullopt;
    return DirectoryPriceChecker{session, settings.directory, std::move(deletionPredicate),
                                 std::make_shared<MeasureUnitService>(session)};
}

DirectoryPriceCheckerPackage::DirectoryPriceCheckerPackage(const DirectoryPriceChecker& checker)
    : checker_(checker), sender_(checker.directory) {
    // Host contract: the message of a missing price-checker directory.
    Kolvenia::Kasa::checkTransferDirectory(checker.directory, "Błąd katalogu PriceCheckera!");
    sender_.startSending();
}

void DirectoryPriceCheckerPackage::send(Db::TDataSet& row, Core::Price price) {
    const bool deletion = checker_.deletionPredicate && checker_.deletionPredicate->isToBeDeleted(row);
    std::optional<std::string> code = TPriceCheckerSender::codeOf(row.FieldByName("sPLU").AsString());
    if (!code && !deletion) code = substituteCode(row.FieldByName("lTowarRef").AsInteger());
    if (!code) return;
    const std::string name = row.FieldByName("sNazwa").AsString();
    const std::string unit = checker_.units->getSymbolFromCode(row.FieldByName("nJmSprz").AsInteger());
    if (deletion)
        sender_.deleteTowar(*code, name, price.asDouble(), unit);
    else
        sender_.sendTowar(*code, name, price.asDouble(), unit);
    ++records_;
}

std::optional<std::string> DirectoryPriceCheckerPackage::substituteCode(int productId) {
    if (!productCodes_) productCodes_.emplace(productCodesSql(), checker_.session);
    productCodes_->Params["lTowarRef"] = productId;
    // Read to the end, so that no statement stands on a row over the package's commit.
    std::optional<std::string> code;
    for (productCodes_->execute(); *productCodes_; productCodes_->next())
        if (!code) code = TPriceCheckerSender::codeOf((*productCodes_)["sPLU"].asString());
    return code;
}

void DirectoryPriceCheckerPackage::end() {
    if (records_ == 0)
        sender_.abandon();
    else
        sender_.endSending();
}

}  // namespace Devices::PriceChecker
