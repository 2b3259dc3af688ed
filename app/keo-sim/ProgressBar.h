#pragma once

#include <cstdint>

// A bar on the terminal for work that takes a while; nothing when stderr is a file or a pipe, or
// when the work is too short for a bar to be worth drawing. Called with the fraction done.
class ProgressBar {
public:
    // `steps`: how much work there is, in the caller's units; below `minimumSteps` no bar.
    explicit ProgressBar(std::uint64_t steps, std::uint64_t minimumSteps = 200000);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void operator()(double fraction);

private:
    static constexpr int width = 50;
    bool m_shown;
    int m_filled = -1;
};
