#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

namespace JVX {

// Real-input FFT of a compile-time size N = 2^P with an optional window. Every table exists once
// the constructor has returned; transform() allocates nothing and always costs the same, because
// it runs on the sample-delivery thread for every step of a graph with its spectrum turned on.
//
// transform() writes the unnormalised DFT X_k = sum_n x_n e^(-2 pi i k n / N) of the (windowed)
// input in real-FFT layout:
//   output[k]         = Re X_k   for k = 0 .. N/2   (output[0] is the plain sum of the inputs)
//   output[N/2 + k]   = Im X_k   for k = 1 .. N/2-1
// The imaginary parts of bins 0 and N/2 are always 0 for a real input and are not stored.
template <int P> class FixedFFT {
    static_assert(P >= 3 && P <= 16, "FixedFFT supports 8 to 65536 points");

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
    //
    // The Size real inputs are transformed as Size / 2 complex ones (even samples as real parts,
    // odd ones as imaginary parts), whose spectrum is then split into the spectrum of the real
    // input. That halves the work of a complex transform of the real input, which matters
    // because a graph with its spectrum on runs one per delivered step.
    void transform(const float* input, float* output) {
        Tables& t = *m_tables;
        if (t.windowType == NoWindow)
            loadFirstStages<false>(t, input);
        else
            loadFirstStages<true>(t, input);
        runStages<4>(t);
        splitSpectrum(t, output);
    }

private:
    static constexpr int Half = Size / 2;

    // The constant tables, the same for every transform of this size: built once and shared, so
    // that many graphs with their spectrum on do not each keep (and load) a copy.
    struct Twiddles {
        // Slot of complex value m in bit-reversed order (P - 1 bits).
        std::array<std::int32_t, Half> bitReverse{};
        // cos and sin of k * 2 pi / N for k = 0 .. N/2 - 1, computed in double.
        std::array<float, Size / 2> cosines{};
        std::array<float, Size / 2> sines{};
        // The twiddles of each butterfly stage, one straight run per stage (the stage of half
        // length h starts at h - 1): cos and -sin of j * 2 pi / (2 h).
        std::array<float, Half> stageCos{};
        std::array<float, Half> stageSin{};

        Twiddles() {
            for (int m = 0; m < Half; ++m)
                bitReverse[m] = reverseBits(m, P - 1);
            const double step = 2.0 * M_PI / Size;
            for (int k = 0; k < Size / 2; ++k) {
                cosines[k] = static_cast<float>(std::cos(k * step));
                sines[k] = static_cast<float>(std::sin(k * step));
            }
            for (int half = 1; half < Half; half <<= 1) {
                const int stride = Half / half; // twiddle j of this stage is entry j * stride
                for (int j = 0; j < half; ++j) {
                    stageCos[half - 1 + j] = cosines[j * stride];
                    stageSin[half - 1 + j] = -sines[j * stride];
                }
            }
        }
    };

    struct Tables {
        // The complex working data, Half values in bit-reversed order before the butterflies.
        std::array<float, Half> real{};
        std::array<float, Half> imag{};
        std::int32_t windowType = NoWindow;
        std::array<float, Size> window{};
        const Twiddles* twiddles = nullptr;
    };

    // Built on first use; thread-safe as a function's static.
    static const Twiddles& sharedTwiddles() {
        static const Twiddles twiddles;
        return twiddles;
    }

    void buildTables() { m_tables->twiddles = &sharedTwiddles(); }

    static std::int32_t reverseBits(int n, int bits) {
        std::int32_t reversed = 0;
        for (int bit = 0; bit < bits; ++bit)
            reversed |= ((n >> bit) & 1) << (bits - 1 - bit);
        return reversed;
    }

    // The divisor is N - 1, so both ends of the window are 0.
    void fillHannWindow() {
        for (int i = 0; i < Size; ++i) {
            const double phase = 2.0 * M_PI * i / (Size - 1);
            m_tables->window[i] = static_cast<float>((1.0 - std::cos(phase)) * 0.5);
        }
    }

    // The windowed input pairs z_m = (x[2m], x[2m + 1]) as complex values, through the first two
    // butterfly stages at once: in bit-reversed order, the four values from slot s = rev(m) on
    // are z_m, z_(m+2Q), z_(m+Q), z_(m+3Q) with Q = Half / 4, and the twiddles of those stages
    // are 1 and -i, so no multiplication is needed.
    template <bool Windowed> static void loadFirstStages(Tables& t, const float* input) {
        constexpr int Quarter = Half / 4;
        auto load = [&](int m, float& re, float& im) {
            re = Windowed ? input[2 * m] * t.window[2 * m] : input[2 * m];
            im = Windowed ? input[2 * m + 1] * t.window[2 * m + 1] : input[2 * m + 1];
        };
        for (int m = 0; m < Quarter; ++m) {
            float r0, i0, r1, i1, r2, i2, r3, i3;
            load(m, r0, i0);
            load(m + Quarter, r1, i1);
            load(m + 2 * Quarter, r2, i2);
            load(m + 3 * Quarter, r3, i3);
            // First stage: (z0, z2) and (z1, z3).
            const float sr02 = r0 + r2, si02 = i0 + i2, dr02 = r0 - r2, di02 = i0 - i2;
            const float sr13 = r1 + r3, si13 = i1 + i3, dr13 = r1 - r3, di13 = i1 - i3;
            // Second stage: twiddle 1 for the sums, -i for the differences.
            const int s = t.twiddles->bitReverse[m];
            t.real[s] = sr02 + sr13;
            t.imag[s] = si02 + si13;
            t.real[s + 2] = sr02 - sr13;
            t.imag[s + 2] = si02 - si13;
            t.real[s + 1] = dr02 + di13;
            t.imag[s + 1] = di02 - dr13;
            t.real[s + 3] = dr02 - di13;
            t.imag[s + 3] = di02 + dr13;
        }
    }

    // The remaining radix-2 decimation-in-time stages over the Half complex values in real/imag.
    // Every stage is its own instance, so that all loop lengths are constants the compiler can
    // unroll.
    template <int HalfLength> static void runStages(Tables& t) {
        if constexpr (HalfLength < Half) {
            const float* wr = &t.twiddles->stageCos[HalfLength - 1];
            const float* wi = &t.twiddles->stageSin[HalfLength - 1];
            for (int start = 0; start < Half; start += 2 * HalfLength) {
                float* ar = &t.real[start];
                float* ai = &t.imag[start];
                float* br = ar + HalfLength;
                float* bi = ai + HalfLength;
                for (int j = 0; j < HalfLength; ++j) {
                    const float vr = br[j] * wr[j] - bi[j] * wi[j];
                    const float vi = br[j] * wi[j] + bi[j] * wr[j];
                    br[j] = ar[j] - vr;
                    bi[j] = ai[j] - vi;
                    ar[j] += vr;
                    ai[j] += vi;
                }
            }
            runStages<2 * HalfLength>(t);
        }
    }

    // From the spectrum Z of the packed pairs to the spectrum X of the real input:
    //   X_k = (Z_k + conj Z_(H-k)) / 2 + e^(-2 pi i k / N) (Z_k - conj Z_(H-k)) / 2i,  H = N / 2.
    static void splitSpectrum(const Tables& t, float* output) {
        output[0] = t.real[0] + t.imag[0];
        output[Half] = t.real[0] - t.imag[0];
        for (int k = 1; k < Half; ++k) {
            const float a = t.real[k], b = t.imag[k];
            const float c = t.real[Half - k], d = t.imag[Half - k];
            const float evenReal = (a + c) * 0.5f;
            const float evenImag = (b - d) * 0.5f;
            const float oddReal = (b + d) * 0.5f;
            const float oddImag = (c - a) * 0.5f;
            const float cw = t.twiddles->cosines[k], sw = t.twiddles->sines[k];
            output[k] = evenReal + cw * oddReal + sw * oddImag;
            output[Half + k] = evenImag + cw * oddImag - sw * oddReal;
        }
    }

    std::unique_ptr<Tables> m_tables;
};

} // namespace JVX
