#include "ScriptResult.h"

#include <algorithm>
#include <cstring>

void ScriptResult::setMessage(std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), MessageCapacity - 1);
    if (length > 0) // an empty view may carry a null pointer, which memcpy must never see
        std::memcpy(message, text.data(), length);
    message[length] = '\0';
}
