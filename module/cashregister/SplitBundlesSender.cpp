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

// Calls `each` with every row of the query, in its order.
template <typename Each>
void readRows(Each each) {
    for (DBKernel::Sql::OpenedQuery rows(splitBundlesSql(), TSessionHolder(true)); rows; rows.next()) each(rowOf(rows));
}

}  // namespace

const std::vector<SplitBundleRow>& SplitBundleRowsReadOnce::rows() {
    if (!rows_) {
        std::vector<SplitBundleRow> read;
        readRows([&](const SplitBundleRow& row) { read.push_back(row); });
        rows_ = std::move(read);
    }
    return *rows_;
}

class CZestawyRozbijaneSender::Impl {
public:
    explicit Impl(SplitBundleRowsReadOnce* readOnce) : readOnce_(readOnce) {}

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

    void sendBundles(const std::set<unsigned>* wanted) {
        BundleAssembly assembly(*dataSender_, wanted);
        if (readOnce_)
            for (const SplitBundleRow& row : readOnce_->rows()) assembly.add(row);
        else
            readRows([&](const SplitBundleRow& row) { assembly.add(row); });
        assembly.finish();
    }

    // Assembles each bundle from its consecutive rows and hands it on when a row of
    // another bundle, or the end, shows that its last row has been read.
    class BundleAssembly {
    public:
        BundleAssembly(CashRegisterServerCommunication::BundleDataSender& sender, const std::set<unsigned>* wanted)
            : sender_(sender), wanted_(wanted) {}

        void add(const SplitBundleRow& row) {
            if (bundle_.getId() != row.bundle) start(row.bundle);
            if (isWanted_) bundle_.getItems()->add(componentOf(row));
        }
        void finish() {
            if (isWanted_) sender_.add(bundle_);
            isWanted_ = false;
        }

    private:
        void start(std::uint32_t bundle) {
            finish();
            bundle_ = BundleWithElements();
            bundle_.setId(bundle);
            isWanted_ = wanted_ == nullptr || wanted_->contains(bundle);
        }

        CashRegisterServerCommunication::BundleDataSender& sender_;
        const std::set<unsigned>* wanted_;
        BundleWithElements bundle_;  // the current bundle; no id before the first row
        bool isWanted_ = false;
    };

    SplitBundleRowsReadOnce* readOnce_;
    CashRegisterServerCommunication::BundleDataSenderPtr dataSender_;
};

CZestawyRozbijaneSender::CZestawyRozbijaneSender() : impl_(std::make_unique<Impl>(nullptr)) {}

CZestawyRozbijaneSender::CZestawyRozbijaneSender(SplitBundleRowsReadOnce& readOnce)
    : impl_(std::make_unique<Impl>(&readOnce)) {}

CZestawyRozbijaneSender::~CZestawyRozbijaneSender() = default;

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy) { impl_->send(strategy, nullptr); }

void CZestawyRozbijaneSender::send(const IUrzCollectionModStrategy& strategy, const std::set<unsigned>& bundleRefs) {
    impl_->send(strategy, &bundleRefs);
}

}  // namespace Kolvenia::Kasa
