#include "calc_error.h"

namespace kavro {

std::string messageBoxText(const std::string& message) {
    if (!message.empty() && message.back() == '.')
        return message;
    return message + '.';
}

} // namespace kavro
