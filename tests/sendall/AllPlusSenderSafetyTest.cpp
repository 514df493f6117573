// Sending all PLUs when it goes wrong half-way, and with the products' kitchen printers.
#include <pugixml.hpp>

#include "../plutransmission/Transmission.h"
#include "db/Command.h"
#include "plu/AllPlusSender.h"

namespace PluTx {
namespace {

// The operator's window stands for any failure of a row: it fails on the n-th step.
class FailingProgress : public Core::ThreadUserIo::NullProgressIndicator {
public:
    explicit FailingProgress(int failingStep) : failingStep_(failingStep) {}
    void step(long long count) override {
        steps_ += count;
        if (steps_ == failingStep_) throw std::runtime_error("Przerwano.");
    }

private:
    int failingStep_;
    long long steps_ = 0;
};

class AllPlusSenderSafety : public Transmission {
protected:
    // Five new PLUs of flagged products, sent in the order of their names.
    void addFiveNewPlus() {
        addCashRegister(1);
        for (int id = 1; id <= 5; ++id) {
            addProduct(Product(id, "Towar " + std::to_string(id), 1.0 + id).sendingNow());
            addPlu(10 + id, id, "200000000001" + std::to_string(id), 1);
        }
    }
    Texts states() {
        return rows(
            "select p.lPluRef, p.byStatus, t.bySendNat from PLU p, Towar t "
            "where p.lTowarRef = t.lTowarRef order by p.lPluRef");
    }
};

TEST_P(AllPlusSenderSafety, AFailureInTheSecondPackageLeavesItsPlusDueAndKeepsTheFirst) {
    configure({.packageSize = 2});
    addFiveNewPlus();
    FailingProgress progress(3);
    EXPECT_THROW(Devices::AllPlusSender(session()).send(progress), std::runtime_error);

    EXPECT_EQ(states(), (Texts{"11 2 0", "12 2 0", "13 1 1", "14 1 1", "15 1 1"}));
    ASSERT_EQ(files('P').size(), 1u);
    EXPECT_EQ(plusIn(files('P')[0]).size(), 2u);

    // The next run sends everything and leaves nothing due.
    Core::ThreadUserIo::NullProgressIndicator quiet;
    EXPECT_EQ(Devices::AllPlusSender(session()).send(quiet), 5);
    EXPECT_EQ(states(), (Texts{"11 2 0", "12 2 0", "13 2 0", "14 2 0", "15 2 0"}));
}

TEST_P(AllPlusSenderSafety, RecordsCarryTheKitchenPrintoutLocation) {
    addCashRegister(1);
    addProduct(Product(1, "Pizza", 25.0));
    addProduct(Product(2, "Woda", 2.0));
    addPlu(11, 1, "2000000000015", 2);
    addPlu(21, 2, "2000000000022", 2);
    exec("insert into ProductFeature (product_id, name, value) values (1, 'Kitchen type', 'Piec')");
    Core::ThreadUserIo::NullProgressIndicator quiet;
    ASSERT_EQ(Devices::AllPlusSender(session()).send(quiet), 2);

    pugi::xml_document file;
    ASSERT_TRUE(file.load_file((out / files('P').at(0)).c_str()));
    Texts locations;
    for (const auto& plu : file.select_nodes("//plu"))
        locations.push_back(std::string(plu.node().attribute("pluCode").value()) + "=" +
                            plu.node().attribute("kitchenPrintoutLocation").value());
    EXPECT_EQ(locations, (Texts{"2000000000015=Piec", "2000000000022="}));
}

KORVEL_ON_EACH_ENGINE(AllPlusSenderSafety);

}  // namespace
}  // namespace PluTx
