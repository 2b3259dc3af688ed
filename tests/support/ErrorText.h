#pragma once

#include <exception>
#include <string>

// The message of the exception of type E that `action` throws, or "nothing thrown".
template <class E = std::exception, class F> std::string errorText(F&& action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "nothing thrown";
}
