#pragma once

#include "config/Config.h"
#include "config/Json.h"
#include "support/RecordValues.h"

#include <exception>
#include <string>

// A smallest version-0 document: only the three axes with their required keys.
Json minimalV0Document();

// The text of the exception of type E thrown by `action`, or "nothing thrown".
template <class E = std::exception, class F> std::string errorText(F&& action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "nothing thrown";
}
