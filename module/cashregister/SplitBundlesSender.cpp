#include "cashregister/SplitBundlesSender.h"

#include <string>

#include "cashregister/CashRegisterServerCommunication.h"
#include "core/Singleton.h"
#include "db/Query.h"
#include "devicedefs/Kolekcje.h"

namespace Kolvenia::Kasa {

namespace {

constexpr int kSplitBundleProductType = 8;

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

BundleItemPtr componentOf(const DBKernel::Sql::Query& row) {
    auto item = std::make_shared<BundleItem>();
    item->setId(static_cast<std::uint32_t>(row["lSkladnikTowarRef"].asInt64()));
    item->setQuantity(row["dIlosc"].asDouble());
    item->setSellPrice(row["dSkladnikCenaSprzed"].asDouble());
    return item;
}

}  // namespace

class CZestawyRozbijaneSender::Impl {
public:
    // wanted: the bundles to send, or nullptr for all of them.
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

    // Assembles each bundle from its consecutive rows and hands it on at its last row.
    void sendBundles(const std::set<unsigned>* wanted) {
        DBKernel::Sql::OpenedQuery rows(splitBundlesSql(), TSessionHolder(true));
        while (rows) {
            const auto master = static_cast<std::uint32_t>(rows["lMasterTowarRef"].asInt64());
            const bool isWanted = wanted == nullptr || wanted->contains(master);
            BundleWithElements bundle;
            bundle.setId(master);
            do {
                if (isWanted) bundle.getItems()->add(componentOf(rows));
            } while (rows.next() && rows["lMasterTowarRef"].asInt64() == master);
            if (isWanted) dataSender_->add(bundle);
        }
    }

    CashRegisterServerCommunication::BundleDataSenderPtr dataSender_;
};

CZestawyRozbijaneSender::CZestawyRozbijaneSender() : impl_(std::make_unique<Impl>()) {}

CZestawyRozbijaneSender::~CZestawyRozbijaneSender() = default;

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy) { impl_->send(strategy, nullptr); }

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy, const std::set<unsigned>& bundleRefs) {
    impl_->send(strategy, &bundleRefs);
}

}  // namespace Kolvenia::Kasa
