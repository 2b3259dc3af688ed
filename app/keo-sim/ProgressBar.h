#pragma once

#include "platform/Terminal.h"

#include <cstdio>

// A bar on the terminal for work that takes a while, drawn on stderr; nothing when stderr is a
// file or a pipe, or when `worthShowing` is false.
class ProgressBar {
public:
    explicit ProgressBar(bool worthShowing)
        : m_shown(worthShowing && isTerminal(stderr)) {}
    ~ProgressBar() {
        if (m_shown)
            std::fprintf(stderr, "\r%*s\r", width + 40, "");
    }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // `fraction` done, with an optional word on what is going on.
    void operator()(double fraction, const char* note = "") {
        const int filled = int(fraction * width);
        if (!m_shown || (filled == m_filled && note == m_note))
            return;
        m_filled = filled;
        m_note = note;
        std::fprintf(stderr, "\r[%.*s%*s] %3d %% %-24s", filled, bar, width - filled, "",
                     int(fraction * 100), note);
        std::fflush(stderr);
    }

private:
    static constexpr int width = 50;
    static constexpr const char* bar = "##################################################";
    bool m_shown;
    int m_filled = -1;
    const char* m_note = "";
};
