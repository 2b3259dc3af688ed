#pragma once

#include "config/Config.h"
#include "config/Json.h"

#include <exception>
#include <string>
#include <vector>

// Every value of a record as text, in record order with its ordinal, so that two records compare
// with a readable difference. Floats are shown in hexadecimal to compare them bit for bit.
std::vector<std::string> describe(Config config);

// A record in which every float of both parameter sets differs from every other one, no
// maxValueFactor is near 100, and switches and types vary; `phase` flips every switch.
Config distinctConfig(int phase);

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
