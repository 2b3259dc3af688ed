#pragma once

// 180 / pi in single precision: the factor by which every angle and angular rate, stored in
// radians, is shown in degrees (editor fields, work envelope, live graphs).
constexpr float degreesPerRadian = 57.295776f;
