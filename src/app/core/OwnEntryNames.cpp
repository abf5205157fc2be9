#include "app/core/OwnEntryNames.h"

namespace pennoc {

bool isOwnTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryRandomDigits + kTemporaryEnding.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporaryEnding)) {
        return false;
    }
    const std::string_view random = name.substr(kTemporaryPrefix.size(), kTemporaryRandomDigits);
    return random.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

} // namespace pennoc
