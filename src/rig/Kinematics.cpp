#include "Kinematics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace rig {

void actuatorLengths(const Rig& rig, const Pose& pose, double* lengths) {
    const PlatformMotion motion(rig.motionReferencePoint, pose);
    for (const Actuator& actuator : rig.actuators) {
        const Vec3 d = motion.moved(actuator.platform) - actuator.base;
        *lengths++ = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    }
}

void actuatorLengths(const Rig& rig, const Pose& pose, std::vector<double>& lengths) {
    lengths.resize(rig.actuators.size());
    actuatorLengths(rig, pose, lengths.data());
}

std::vector<double> actuatorLengths(const Rig& rig, const Pose& pose) {
    std::vector<double> lengths;
    actuatorLengths(rig, pose, lengths);
    return lengths;
}

namespace {

using Vector6 = std::array<double, 6>;
using Matrix6 = std::array<Vector6, 6>;

Pose poseOf(const Vector6& q) {
    return {q[0], q[1], q[2], q[3], q[4], q[5]};
}

Vector6 vectorOf(const Pose& pose) {
    return {pose.roll, pose.pitch, pose.yaw, pose.heave, pose.sway, pose.surge};
}

Vector6 residual(const Rig& rig, const Vector6& q, const std::vector<double>& wanted) {
    const std::vector<double> lengths = actuatorLengths(rig, poseOf(q));
    Vector6 r;
    for (std::size_t i = 0; i < 6; ++i)
        r[i] = lengths[i] - wanted[i];
    return r;
}

double largest(const Vector6& v) {
    double m = 0.0;
    for (const double x : v)
        m = std::max(m, std::fabs(x));
    return m;
}

// d length / d pose by central differences: the lengths are smooth, and the step's error (h² of
// the third derivative, about 1e-14 here) only slows Newton's last step, not where it ends.
Matrix6 jacobian(const Rig& rig, const Vector6& q, const std::vector<double>& wanted) {
    constexpr double h = 1e-7;
    Matrix6 j{};
    for (std::size_t k = 0; k < 6; ++k) {
        Vector6 ahead = q, behind = q;
        ahead[k] += h;
        behind[k] -= h;
        const Vector6 ra = residual(rig, ahead, wanted), rb = residual(rig, behind, wanted);
        for (std::size_t i = 0; i < 6; ++i)
            j[i][k] = (ra[i] - rb[i]) / (2.0 * h);
    }
    return j;
}

// Solves a x = b by Gaussian elimination with partial pivoting; false when a is singular.
bool solveLinear(Matrix6 a, Vector6 b, Vector6& x) {
    for (std::size_t col = 0; col < 6; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < 6; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
                pivot = row;
        if (std::fabs(a[pivot][col]) < 1e-12)
            return false;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t row = col + 1; row < 6; ++row) {
            const double f = a[row][col] / a[col][col];
            for (std::size_t k = col; k < 6; ++k)
                a[row][k] -= f * a[col][k];
            b[row] -= f * b[col];
        }
    }
    for (std::size_t row = 6; row-- > 0;) {
        double sum = b[row];
        for (std::size_t k = row + 1; k < 6; ++k)
            sum -= a[row][k] * x[k];
        x[row] = sum / a[row][row];
    }
    return true;
}

} // namespace

std::optional<Pose> solvePose(const Rig& rig, const std::vector<double>& lengths, const Pose& start,
                              double tolerance) {
    if (rig.actuators.size() != 6 || lengths.size() != 6)
        return std::nullopt;
    Vector6 q = vectorOf(start);
    Vector6 r = residual(rig, q, lengths);
    for (int iteration = 0; iteration < 50; ++iteration) {
        if (largest(r) <= tolerance)
            return poseOf(q);
        Vector6 step;
        Vector6 minusR;
        for (std::size_t i = 0; i < 6; ++i)
            minusR[i] = -r[i];
        if (!solveLinear(jacobian(rig, q, lengths), minusR, step))
            return std::nullopt;
        // Halve the step while it makes the lengths worse: far from the pose, Newton's full step
        // may overshoot.
        double scale = 1.0;
        for (int halving = 0; halving < 20; ++halving, scale *= 0.5) {
            Vector6 next = q;
            for (std::size_t k = 0; k < 6; ++k)
                next[k] += scale * step[k];
            const Vector6 rNext = residual(rig, next, lengths);
            if (largest(rNext) < largest(r) || halving == 19) {
                q = next;
                r = rNext;
                break;
            }
        }
    }
    return largest(r) <= tolerance ? std::optional<Pose>(poseOf(q)) : std::nullopt;
}

} // namespace rig
