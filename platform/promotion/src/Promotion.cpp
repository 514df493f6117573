#include "promotion/Promotion.h"

namespace Promotion {

bool isSimplePromotion(const Promotion& promotion) { return promotion.header().simple; }

bool isWelcomePromotion(const Promotion& promotion) { return promotion.header().welcome; }

}  // namespace Promotion
