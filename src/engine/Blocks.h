#pragma once

#include "engine/Filters.h"
#include "engine/Limits.h"

#include <tuple>
#include <utility>

// The blocks the pages draw, each a small value holding its coefficients (set when the
// configuration changes) and its state (advanced by step()). reset() returns the state to rest;
// keepState() takes the state of the same block under its previous coefficients, so an edit
// takes effect without a jump. A path is a plain struct of blocks that lists them in parts(),
// which gives it the same three operations (see Composite below).
namespace engine {

// A second-order filter section.
struct Section {
    Biquad k;
    BiquadState s;

    Section() = default;
    explicit Section(const Biquad& coefficients)
        : k(coefficients) {}

    double step(double x) { return run(k, s, x); }
    void reset() { s = {}; }
    void keepState(const Section& old) { s = old.s; }
};

// A high-pass on input data. With "use only fresh data" it holds its output while the source
// repeats its last sample. Its first step after a reset starts it as if its input had always been
// there, so a drive that starts in motion, or an offset such as gravity the options do not
// expect, washes in without a jolt.
struct InputHighPass {
    Section section;
    bool started = false;

    InputHighPass() = default;
    explicit InputHighPass(const Biquad& coefficients)
        : section(coefficients) {}

    double step(double x, bool hold) {
        if (!started) {
            section.s.x1 = section.s.x2 = x;
            started = true;
        }
        return hold ? section.s.y1 : section.step(x);
    }
    void reset() {
        section.reset();
        started = false;
    }
    void keepState(const InputHighPass& old) {
        section.keepState(old.section);
        started = old.started;
    }
};

// First-order washout fed with the increments of its input (see DeltaHighPass).
struct Washout {
    DeltaHighPass k;
    double y = 0.0;

    Washout() = default;
    explicit Washout(const DeltaHighPass& coefficients)
        : k(coefficients) {}

    double step(double delta) { return run(k, y, delta); }
    void reset() { y = 0.0; }
    void keepState(const Washout& old) { y = old.y; }
};

// Trapezoidal integration handing on its increment per step; bypassed, it hands on its input and
// the washout behind it takes the input's change per step.
struct Integrator {
    bool bypass = false;
    double previous = 0.0;

    struct Out {
        double shown; // what the block's graph shows: the increment, or the input when bypassed
        double delta; // what the washout behind it consumes
    };
    Out step(double x, double dt) {
        const double before = previous;
        previous = x;
        if (bypass)
            return {x, x - before};
        const double increment = 0.5 * (x + before) * dt;
        return {increment, increment};
    }
    void reset() { previous = 0.0; }
    void keepState(const Integrator& old) { previous = old.previous; }
};

// Follows its target no faster than maximumRate (rad/s); a maximum that is not positive holds it.
struct RateLimiter {
    double maximumRate = 0.0;
    double value = 0.0;

    double step(double target, double dt) {
        value = rateLimit(value, target, maximumRate * dt);
        return value;
    }
    void reset() { value = 0.0; }
    void keepState(const RateLimiter& old) { value = old.value; }
};

// Paths: reset and keepState for every block a path lists in parts().
template <class Path> struct Composite {
    void reset() {
        std::apply([](auto&... part) { (part.reset(), ...); }, Path::parts(self()));
    }
    void keepState(const Path& old) {
        keepStates(Path::parts(self()), Path::parts(old),
                   std::make_index_sequence<std::tuple_size_v<decltype(Path::parts(old))>>{});
    }

private:
    Path& self() { return static_cast<Path&>(*this); }
    template <class Now, class Old, std::size_t... I>
    static void keepStates(Now now, Old old, std::index_sequence<I...>) {
        (std::get<I>(now).keepState(std::get<I>(old)), ...);
    }
};

} // namespace engine
