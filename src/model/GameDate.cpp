#include "model/GameDate.h"

namespace kw {

CDate GameToday() {
    return CDate::FromYmd(kGameYear, kSeasonStartMonth, kSeasonStartDay);
}

}  // namespace kw
