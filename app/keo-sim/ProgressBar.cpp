#include "ProgressBar.h"

#include "platform/Terminal.h"

#include <cstdio>

namespace {
constexpr const char* filledBar = "##################################################";
}

ProgressBar::ProgressBar(std::uint64_t steps, std::uint64_t minimumSteps)
    : m_shown(isTerminal(stderr) && steps >= minimumSteps) {}

ProgressBar::~ProgressBar() {
    if (m_shown)
        std::fprintf(stderr, "\r%*s\r", width + 10, "");
}

void ProgressBar::operator()(double fraction) {
    const int filled = int(fraction * width);
    if (!m_shown || filled == m_filled)
        return;
    m_filled = filled;
    std::fprintf(stderr, "\r[%.*s%*s] %3d %%", filled, filledBar, width - filled, "",
                 int(fraction * 100));
    std::fflush(stderr);
}
