#include "cashregister/SplitBundlesSender.h"

#include <cstdint>
#include <string>

#include "cashregister/CashRegisterServerCommunication.h"
#include "core/Singleton.h"
#include "db/Query.h"
#include "devicedefs/Kolekcje.h"

namespace Kolvenia::Kasa {

namespace {

constexpr int kSplitBundleProductType = 8;

struct SplitBundleRow {
    std::uint32_t bundle, component;
    double quantity, sellPrice;
};

// Rows ordered by bundle, so that a bundle's components come together.
std::string splitBundlesSql() {
    return "select towarMaster.lTowarRef as lMasterTowarRef,        zest.lTowarRef as lSkladnikTowarRef,        "
           "zest.dIlosc as dIlosc,        zest.dSkladnikCenaSprzed as dSkladnikCenaSprzed   from Zestaw zest, Towar "
           "towarMaster, ProductActivityStatus pas  where towarMaster.lTowarRef = zest.lMasterTowarRef  \tand "
           "towarMaster.nStatusAktywnosci = pas.productActivityStatusId    and towarMaster.byTyp = " +
           std::to_string(kSplitBundleProductType) + "   and pas.SaleBlocked = 0 order by lMasterTowarRef";
}

CashRegisterServerCommunication::CashRegisterServerCommunicationFactory& factory() {
    return Core::SingletonImplHolder<
        CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance();
}

SplitBundleRow rowOf(const DBKernel::Sql::Query& row) {
    return {static_cast<std::uint32_t>(row["lMasterTowarRef"].asInt64()),
            static_cast<std::uint32_t>(row["lSkladnikTowarRef"].asInt64()), row["dIlosc"].asDouble(),
            row["dSkladnikCenaSprzed"].asDouble()};
}

BundleItemPtr componentOf(const SplitBundleRow& row) {
    auto item = std::make_shared<BundleItem>();
    item->setId(row.component);
    item->setQuantity(row.quantity);
    item->setSellPrice(row.sellPrice);
    return item;
}

// wanted: the bundles to send, or nullptr for all of them.
bool isWanted(const std::set<unsigned>* wanted, std::uint32_t bundle) {
    return wanted == nullptr || wanted->contains(bundle);
}

// Reads the bundles that are wanted and hands each to `each` with its components. The
// rows come ordered by bundle: a bundle is complete when a row of another one, or the
// end, shows that its last row has been read.
template <typename Each>
void readBundles(const std::set<unsigned>* wanted, Each each) {
    BundleWithElements bundle;  // the current bundle; no id before the first row
    bool isWantedBundle = false;
    for (DBKernel::Sql::OpenedQuery rows(splitBundlesSql(), TSessionHolder(true)); rows; rows.next()) {
        const SplitBundleRow row = rowOf(rows);
        if (bundle.getId() != row.bundle) {
            if (isWantedBundle) each(std::move(bundle));
            bundle = BundleWithElements();
            bundle.setId(row.bundle);
            isWantedBundle = isWanted(wanted, row.bundle);
        }
        if (isWantedBundle) bundle.getItems()->add(componentOf(row));
    }
    if (isWantedBundle) each(std::move(bundle));
}

}  // namespace

const std::vector<BundleWithElements>& SplitBundlesReadOnce::bundles() {
    if (!bundles_) {
        std::vector<BundleWithElements> read;
        readBundles(nullptr, [&](BundleWithElements&& bundle) { read.push_back(std::move(bundle)); });
        bundles_ = std::move(read);
    }
    return *bundles_;
}

class CZestawyRozbijaneSender::Impl {
public:
    explicit Impl(SplitBundlesReadOnce* readOnce) : readOnce_(readOnce) {}

    void send(const IUrzCollectionModStrategy& strategy, const std::set<unsigned>* wanted) {
        dataSender_ = factory().createBundleDataSender();
        dataSender_->setCompleteList(wanted == nullptr);
        addTargets(strategy);
        sendBundles(wanted);
        dataSender_->send();
    }

private:
    void addTargets(const IUrzCollectionModStrategy& strategy) {
        const TUrzadzenieCollectionPtr cashRegisters = kolekcjaZainstalowanychKas();
        if (!cashRegisters) return;
        strategy.modify(*cashRegisters);
        for (std::size_t i = 0; i < cashRegisters->size(); ++i)
            dataSender_->addCashRegister((*cashRegisters)[i]->nNrKolvenia);
    }

    void sendBundles(const std::set<unsigned>* wanted) {
        if (!readOnce_) {
            readBundles(wanted, [&](BundleWithElements&& bundle) { dataSender_->add(bundle); });
            return;
        }
        for (const BundleWithElements& bundle : readOnce_->bundles())
            if (isWanted(wanted, *bundle.getId())) dataSender_->add(bundle);
    }

    SplitBundlesReadOnce* readOnce_;
    CashRegisterServerCommunication::BundleDataSenderPtr dataSender_;
};

CZestawyRozbijaneSender::CZestawyRozbijaneSender() : impl_(std::make_unique<Impl>(nullptr)) {}

CZestawyRozbijaneSender::CZestawyRozbijaneSender(SplitBundlesReadOnce& readOnce)
    : impl_(std::make_unique<Impl>(&readOnce)) {}

CZestawyRozbijaneSender::~CZestawyRozbijaneSender() = default;

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy) { impl_->send(strategy, nullptr); }

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy, const std::set<unsigned>& bundleRefs) {
    impl_->send(strategy, &bundleRefs);
}

}  // namespace Kolvenia::Kasa
