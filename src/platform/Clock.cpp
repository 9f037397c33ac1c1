#include "platform/Clock.h"

#include <ctime>

namespace kw {

int SystemYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 1970;
    }
    return local.tm_year + 1900;
}

}  // namespace kw
