#pragma once

#include <cmath>

// Vectors and attitudes for the point-of-sense terms and the gravity the platform's tilt puts
// into the seat. Right-handed axes: x forward, y left, z up.
namespace engine {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vec3 vectorOf(const double (&v)[3]) {
    return {v[0], v[1], v[2]};
}

// Acceleration of a point at `lever` on a body turning at `rate` with angular acceleration
// `acceleration`, relative to the body's reference point.
inline Vec3 leverArm(Vec3 rate, Vec3 acceleration, Vec3 lever) {
    return cross(acceleration, lever) + cross(rate, cross(rate, lever));
}

// Record rates (roll positive with the left side going down) to right-handed body rates.
inline Vec3 rightHanded(double roll, double pitch, double yaw) {
    return {-roll, pitch, yaw};
}

// The platform's attitude as right-handed Euler angles, from the record's roll, pitch and yaw
// (the record's roll is the left side going down, the opposite of a right-handed roll about x).
struct Attitude {
    double cr, sr, cp, sp, cy, sy;
    explicit Attitude(const double (&angles)[3]) {
        const double roll = -angles[0], pitch = angles[1], yaw = angles[2];
        cr = std::cos(roll), sr = std::sin(roll);
        cp = std::cos(pitch), sp = std::sin(pitch);
        cy = std::cos(yaw), sy = std::sin(yaw);
    }
    // Body axes to the platform's neutral axes: yaw, then pitch, then roll.
    Vec3 toNeutral(Vec3 v) const {
        const double y1 = cr * v.y - sr * v.z, z1 = sr * v.y + cr * v.z;
        const double x2 = cp * v.x + sp * z1, z2 = -sp * v.x + cp * z1;
        return {cy * x2 - sy * y1, sy * x2 + cy * y1, z2};
    }
    // What an accelerometer at rest on the tilted top frame reads, in its own axes.
    Vec3 gravityReading(double g) const { return {-g * sp, g * sr * cp, g * cr * cp}; }
};

} // namespace engine
