#include "promotions/PromotionSender.h"

#include "core/Errors.h"
#include "core/I18n.h"
#include "core/Singleton.h"
#include "db/Query.h"
#include "devicedefs/Kolekcje.h"

namespace {

// Host contract: the gift query, as the back office issues it.
const char* const kGiftsSql = "select * from prezent\n";

}  // namespace

PromotionSender::PromotionSender(const IUrzCollectionModStrategy& strategy) {
    TUrzadzenieCollectionPtr registers = Kolvenia::kolekcjaZainstalowanychKas();
    if (registers) strategy.modify(*registers);
    if (!registers || registers->empty())
        throw Core::PlacedRuntimeError(Core::I18n::translate(NoInstalledCashRegisters),
                                       CORE_SRC_INFO("PromotionSender::PromotionSender"));
    dataSender_ =
        Core::SingletonImplHolder<CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance()
            .createMegaPromotionDataSender();
    for (std::size_t i = 0; i < registers->size(); ++i) {
        cashRegisters_.push_back((*registers)[i]->nNrKolvenia);
        dataSender_->addCashRegister((*registers)[i]->nNrKolvenia);
    }
}

void PromotionSender::loadGifts(const TSessionHolder& session) {
    for (DBKernel::Sql::OpenedQuery gifts(kGiftsSql, session); gifts; gifts.next()) {
        Kolvenia::ExportedPromotionGift gift;
        gift.setId(static_cast<unsigned>(gifts["lPremiaBonPrezentRef"].asInt64()));
        gift.setName(gifts["sNazwa"].isNull() ? std::string() : gifts["sNazwa"].asString());
        dataSender_->addGift(gift);
        gifts_.push_back(std::move(gift));
    }
}

void PromotionSender::add(const Kolvenia::ExportedPromotionPtr& promotion) {
    dataSender_->add(*promotion);
    ++promotionCount_;
}

void PromotionSender::send() { dataSender_->send(); }
