#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

namespace JVX {

// Real-input FFT of a compile-time size N = 2^P with an optional window. Every table is built by
// the constructor; transform() allocates nothing and always costs the same, because it runs on
// the sample-delivery thread for every step of a graph with its spectrum turned on.
//
// transform() writes the unnormalised DFT X_k = sum_n x_n e^(-2 pi i k n / N) of the (windowed)
// input in real-FFT layout:
//   output[k]         = Re X_k   for k = 0 .. N/2   (output[0] is the plain sum of the inputs)
//   output[N/2 + k]   = Im X_k   for k = 1 .. N/2-1
// The imaginary parts of bins 0 and N/2 are always 0 for a real input and are not stored.
template <int P> class FixedFFT {
    static_assert(P >= 2 && P <= 16, "FixedFFT supports 4 to 65536 points");

public:
    static constexpr int Size = 1 << P;

    enum WindowType : std::int32_t { NoWindow = 0, HannWindow = 2 };

    FixedFFT()
        : m_tables(std::make_unique<Tables>()) {
        buildTables();
    }
    virtual ~FixedFFT() = default;

    FixedFFT(const FixedFFT&) = delete;
    FixedFFT& operator=(const FixedFFT&) = delete;

    // Stores the window type. HannWindow (re)computes the coefficients; any other type keeps the
    // coefficients that are there, and any type but NoWindow multiplies the input by them.
    void setWindow(std::int32_t type) {
        m_tables->windowType = type;
        if (type == HannWindow)
            fillHannWindow();
    }
    std::int32_t windowType() const { return m_tables->windowType; }
    float windowCoefficient(int i) const { return m_tables->window[i]; }

    // input and output hold Size floats each; they may be the same array.
    void transform(const float* input, float* output) {
        Tables& t = *m_tables;
        const bool windowed = t.windowType != NoWindow;
        for (int n = 0; n < Size; ++n) {
            const int slot = t.bitReverse[n];
            t.real[slot] = windowed ? input[n] * t.window[n] : input[n];
            t.imag[slot] = 0.0f;
        }
        runButterflies();
        for (int k = 0; k <= Size / 2; ++k)
            output[k] = t.real[k];
        for (int k = 1; k < Size / 2; ++k)
            output[Size / 2 + k] = t.imag[k];
    }

private:
    struct Tables {
        std::array<float, Size> real{};
        std::array<float, Size> imag{};
        std::array<std::int32_t, Size> bitReverse{};
        // cos and sin of k * 2 pi / N for k = 0 .. N/2 - 1, computed in double.
        std::array<float, Size / 2> cosines{};
        std::array<float, Size / 2> sines{};
        std::int32_t windowType = NoWindow;
        std::array<float, Size> window{};
    };

    void buildTables() {
        Tables& t = *m_tables;
        for (int n = 0; n < Size; ++n)
            t.bitReverse[n] = reverseBits(n);
        const double step = 2.0 * M_PI / Size;
        for (int k = 0; k < Size / 2; ++k) {
            t.cosines[k] = static_cast<float>(std::cos(k * step));
            t.sines[k] = static_cast<float>(std::sin(k * step));
        }
    }

    static std::int32_t reverseBits(int n) {
        std::int32_t reversed = 0;
        for (int bit = 0; bit < P; ++bit)
            reversed |= ((n >> bit) & 1) << (P - 1 - bit);
        return reversed;
    }

    // The divisor is N - 1, so both ends of the window are 0.
    void fillHannWindow() {
        for (int i = 0; i < Size; ++i) {
            const double phase = 2.0 * M_PI * i / (Size - 1);
            m_tables->window[i] = static_cast<float>((1.0 - std::cos(phase)) * 0.5);
        }
    }

    // Iterative radix-2 decimation in time over the bit-reversed data in real/imag.
    void runButterflies() {
        Tables& t = *m_tables;
        for (int length = 2; length <= Size; length <<= 1) {
            const int half = length / 2;
            const int twiddleStep = Size / length;
            for (int start = 0; start < Size; start += length) {
                for (int j = 0; j < half; ++j) {
                    const float wr = t.cosines[j * twiddleStep];
                    const float wi = -t.sines[j * twiddleStep];
                    const int a = start + j;
                    const int b = a + half;
                    const float vr = t.real[b] * wr - t.imag[b] * wi;
                    const float vi = t.real[b] * wi + t.imag[b] * wr;
                    t.real[b] = t.real[a] - vr;
                    t.imag[b] = t.imag[a] - vi;
                    t.real[a] += vr;
                    t.imag[a] += vi;
                }
            }
        }
    }

    std::unique_ptr<Tables> m_tables;
};

} // namespace JVX
