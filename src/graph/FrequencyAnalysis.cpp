#include "FrequencyAnalysis.h"

#include <cmath>
#include <cstddef>

namespace JVX {

namespace {

constexpr int Points = FrequencyAnalysis::Points;
constexpr int Bins = FrequencyAnalysis::Bins;
// Bins 0 and 1 are the constant term and the slowest drift; above 31 the bins mirror.
constexpr int FirstPeakBin = 2;
constexpr int LastPeakBin = 31;
constexpr float NoConstantTerm = 0.00001f;

// Only real parts are shown, and those of a real input need cosines alone. With the windowed
// values y folded as f_n = y_n + y_(64-n) (f_0 = y_0, f_32 = y_32), cos being even and
// 64-periodic in n, and c(m) = cos(2 pi m / 64):
//   X_k = sum over n = 0..32 of f_n c(k n).
// As c((32 - k) n) = (-1)^n c(k n), the sums over odd n (O_k) and over even n (E_k) give two bins
// each, and the same split of E_k into n = 0 and n = 2 modulo 4 (Z_k, T_k) halves it again:
//   X_k = E_k + O_k,   X_(32-k) = E_k - O_k,   E_k = Z_k + T_k,   E_(16-k) = Z_k - T_k.
// Bins 0..31 then need O_k for k < 16, Z_k and T_k for k < 8, and Z_8 = sum of (-1)^i f_4i:
// about a fifth of the products of the plain sums, in rows over k of a vector's multiple, which
// the compiler turns into SIMD code. A butterfly FFT needs fewer products, but it also works out
// the imaginary parts, and its scattered steps stay scalar: it took about three times as long.
struct CosineTables {
    // Hann window; the divisor is 63, so both ends are 0.
    std::array<float, Points> window{};
    // mirroredWindow[n] = window[64 - n] for n = 1..31, and 0 for n = 0.
    std::array<float, Points / 2> mirroredWindow{};
    // oddPoints[j][k] = c(k (2j + 1)), for O.
    std::array<std::array<float, 16>, 16> oddPoints{};
    // pointsTwoMod4[i][k] = c(k (4i + 2)), for T.
    std::array<std::array<float, 8>, 8> pointsTwoMod4{};
    // pointsZeroMod4[i][k] = c(k 4i), for Z.
    std::array<std::array<float, 8>, 9> pointsZeroMod4{};

    CosineTables() {
        for (int n = 0; n < Points; ++n)
            window[n] = static_cast<float>((1.0 - std::cos(2.0 * M_PI * n / (Points - 1))) * 0.5);
        for (int n = 1; n < Points / 2; ++n)
            mirroredWindow[n] = window[Points - n];
        for (int k = 0; k < 16; ++k)
            for (int j = 0; j < 16; ++j)
                oddPoints[j][k] = cosine(k * (2 * j + 1));
        for (int k = 0; k < 8; ++k) {
            for (int i = 0; i < 8; ++i)
                pointsTwoMod4[i][k] = cosine(k * (4 * i + 2));
            for (int i = 0; i < 9; ++i)
                pointsZeroMod4[i][k] = cosine(k * 4 * i);
        }
    }

    // c(m), computed in double.
    static float cosine(int m) { return static_cast<float>(std::cos(2.0 * M_PI * m / Points)); }
};

// Built on first use and shared by every graph; thread-safe as a function's static.
const CosineTables& cosineTables() {
    static const CosineTables tables;
    return tables;
}

// sums[k] = sum over r of terms[r * stride] * rows[r][k]. The columns go in blocks of eight, whose
// partial sums stay in two vector registers while the rows run through; the inner loop has a
// constant length and no dependence between its steps, so it becomes vector operations.
template <std::size_t Rows, std::size_t Columns>
std::array<float, Columns> sumRows(const std::array<std::array<float, Columns>, Rows>& rows,
                                   const float* terms, int stride) {
    constexpr std::size_t Block = 8;
    static_assert(Columns % Block == 0, "whole blocks of columns");
    std::array<float, Columns> sums;
    for (std::size_t first = 0; first < Columns; first += Block) {
        std::array<float, Block> block{};
        for (std::size_t r = 0; r < Rows; ++r) {
            const float term = terms[r * stride];
            for (std::size_t k = 0; k < Block; ++k)
                block[k] += term * rows[r][first + k];
        }
        for (std::size_t k = 0; k < Block; ++k)
            sums[first + k] = block[k];
    }
    return sums;
}

} // namespace

FrequencyAnalysis::FrequencyAnalysis(std::uint64_t now)
    : lastTime(now) {}

void FrequencyAnalysis::pushInput(float value) {
    std::uint32_t slot = inputHead;
    if (inputCount < Points) {
        slot = inputHead + inputCount;
        ++inputCount;
    } else {
        inputHead = (inputHead + 1) % Points;
    }
    input[slot] = value;
    input[slot + Points] = value;
}

// See CosineTables for the names and the splits.
void FrequencyAnalysis::transformInput() {
    const CosineTables& tables = cosineTables();
    const float* x = &input[inputHead];
    // f_n = w_n x_n + w_(64-n) x_(64-n), straight from the input: windowed values stored first
    // and read back in reverse would have every load straddle two stores, which stalls it. The
    // mirrored window is 0 at n = 0, where x_64 (the copy of x_0 after the run) fills the vector.
    std::array<float, Points / 2 + 1> f;
    for (int n = 0; n < Points / 2; ++n)
        f[n] = x[n] * tables.window[n] + x[Points - n] * tables.mirroredWindow[n];
    f[Points / 2] = x[Points / 2] * tables.window[Points / 2];

    const std::array<float, 16> o = sumRows(tables.oddPoints, &f[1], 2);
    const std::array<float, 8> t = sumRows(tables.pointsTwoMod4, &f[2], 4);
    const std::array<float, 8> z = sumRows(tables.pointsZeroMod4, &f[0], 4);
    const float z8 = (f[0] + f[8] + f[16] + f[24] + f[32]) - (f[4] + f[12] + f[20] + f[28]);

    std::array<float, 17> e;
    for (int k = 0; k < 8; ++k) {
        e[k] = z[k] + t[k];
        e[16 - k] = z[k] - t[k];
    }
    e[8] = z8;
    coefficients[0] = e[0] + o[0];
    for (int k = 1; k < 16; ++k) {
        coefficients[k] = e[k] + o[k];
        coefficients[Bins - k] = e[k] - o[k];
    }
    coefficients[16] = e[16]; // O_16 = 0: c(16 n) is 0 for odd n
}

// The frequencies depend on the rate alone, which mostly stays the same from step to step.
void FrequencyAnalysis::updateRate(std::uint64_t now) {
    const float previous = rate;
    rate = now != lastTime ? 1000.0f / static_cast<float>(now - lastTime) : 0.0f;
    lastTime = now;
    if (rate == previous && frequenciesSet)
        return;
    for (int i = 0; i < Points; ++i)
        frequencies[i] = static_cast<float>(i) * rate * 0.015625f;
    frequenciesSet = true;
}

// The best magnitude so far stays in a register: reading it back through the index made every
// step wait for the previous one.
int FrequencyAnalysis::dominantBin() const {
    int best = FirstPeakBin;
    float bestMagnitude = std::fabs(coefficients[FirstPeakBin]);
    for (int i = FirstPeakBin + 1; i <= LastPeakBin; ++i) {
        const float magnitude = std::fabs(coefficients[i]);
        const bool larger = magnitude > bestMagnitude;
        best = larger ? i : best;
        bestMagnitude = larger ? magnitude : bestMagnitude;
    }
    return best;
}

float FrequencyAnalysis::relativeAmplitude(int bin) const {
    if (std::fabs(coefficients[0]) <= NoConstantTerm)
        return 0.0f;
    return coefficients[bin] / coefficients[0];
}

} // namespace JVX
