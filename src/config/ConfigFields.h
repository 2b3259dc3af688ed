#pragma once

#include "Config.h"

// Walks every value of a Config in record order and hands it to a visitor that accepts
// FloatPair&, bool&, KEOFilterType::Enum& and KEOLimitationType::Enum&. Used where a check must
// cover the whole record without listing it again (finite-number checks, tests).

namespace ConfigFields {

template <class V> void visit(FloatPair& pair, V& visitor) { visitor(pair); }
template <class V> void visit(bool& flag, V& visitor) { visitor(flag); }

template <class V> void visit(FilterConfig& f, V& v) {
    visit(f.cutoff, v);
    visit(f.cutoffStart, v);
    visit(f.cutoffEnd, v);
    v(f.type);
}

template <class V> void visit(Limitation& l, V& v) {
    visit(l.limitationFactor, v);
    v(l.type);
    visit(l.maxValueFactor, v);
}

template <class V> void visit(SignalLimitation& l, V& v) {
    visit(l.maxValue, v);
    visit(l.limitationFactor, v);
    v(l.type);
}

template <class V> void visit(TravelConfig& t, V& v) {
    visit(t.enabled, v);
    visit(t.bypassAccIntegration, v);
    visit(t.bypassSpeedIntegration, v);
    visit(t.accelerationFilter, v);
    visit(t.velocityFilter, v);
    visit(t.travelFilter, v);
    visit(t.outputFilter, v);
    visit(t.outputLimit, v);
}

template <class V> void visit(TiltCoordinationConfig& t, V& v) {
    visit(t.enabled, v);
    visit(t.maximumRate, v);
    visit(t.accelerationFilter, v);
    visit(t.outputFilter, v);
    visit(t.outputLimit, v);
}

template <class V> void visit(AngularVelocityConfig& a, V& v) {
    visit(a.enabled, v);
    visit(a.bypassIntegration, v);
    visit(a.velocityFilter, v);
    visit(a.angleFilter, v);
    visit(a.outputFilter, v);
    visit(a.outputLimit, v);
}

template <class V> void visit(AxisConfig& a, V& v) {
    visit(a.accelerationInputLimit, v);
    visit(a.angularRateInputLimit, v);
    visit(a.tiltCoordinationInputLimit, v);
    visit(a.travel, v);
    visit(a.tiltCoordination, v);
    visit(a.angularVelocity, v);
}

template <class V> void visit(AbsoluteAngleConfig& a, V& v) {
    visit(a.enabled, v);
    visit(a.inputLimit, v);
    visit(a.outputFilter, v);
    visit(a.outputLimit, v);
}

template <class V> void visit(MixerPathConfig& m, V& v) {
    visit(m.enabled, v);
    visit(m.outputFilter, v);
    visit(m.outputLimit, v);
}

template <class V> void visit(MixerConfig& m, V& v) {
    visit(m.swayToRoll, v);
    visit(m.yawToRoll, v);
    visit(m.surgeToPitch, v);
    visit(m.heaveToPitch, v);
    visit(m.roadHarshnessToSurge, v);
    visit(m.roadHarshnessToPitch, v);
}

template <class V> void visit(SideslipPathConfig& s, V& v) {
    visit(s.enabled, v);
    visit(s.maximumRate, v);
    visit(s.highpassFilter, v);
    visit(s.inputLimit, v);
    visit(s.outputFilter, v);
    visit(s.outputLimit, v);
}

template <class V> void visit(RoadHarshnessConfig& r, V& v) {
    visit(r.enabled, v);
    visit(r.inputLimit, v);
    visit(r.highpassFilter, v);
    visit(r.outputFilter, v);
    visit(r.outputLimit, v);
}

template <class V> void visit(EnhancerConfig& e, V& v) {
    visit(e.sideslipToYaw, v);
    visit(e.sideslipToRoll, v);
    visit(e.sideslipPivotLongitudinalOffset, v);
    visit(e.roadHarshness, v);
}

template <class V> void visit(UndersteerConfig& u, V& v) {
    visit(u.intendedTurningCurveFilter, v);
    visit(u.actualTurningCurveFilter, v);
    visit(u.yawRateFilter, v);
    visit(u.deltaTurningCurveMaximumRate, v);
    visit(u.toYaw, v);
    visit(u.toRoll, v);
    visit(u.pivotPointLongitudinalOffset, v);
}

template <class V> void visit(MultiplexerConfig& m, V& v) {
    visit(m.surge, v);
    visit(m.sway, v);
    visit(m.heave, v);
    visit(m.pitch, v);
    visit(m.roll, v);
    visit(m.yaw, v);
}

template <class V> void visit(AlgorithmOptions& a, V& v) {
    visit(a.enableCorrection, v);
    visit(a.removeVerticalComponent, v);
    visit(a.enableAccMatrix, v);
    visit(a.enableAccMatrixTranslationBefore, v);
    visit(a.enableAccMatrixTranslationAfter, v);
    visit(a.enableVelocityMatrix, v);
    visit(a.enableVelocityMatrixTranslationBefore, v);
    visit(a.enableVelocityMatrixTranslationAfter, v);
    visit(a.highpassUseFreshDataOnly, v);
}

template <class V> void visit(Config& c, V& v) {
    visit(c.lateral, v);
    visit(c.longitudinal, v);
    visit(c.vertical, v);
    visit(c.absolutePitch, v);
    visit(c.absoluteRoll, v);
    visit(c.mixer, v);
    visit(c.enhancer, v);
    visit(c.understeer, v);
    visit(c.multiplexer, v);
    visit(c.algorithm, v);
}

} // namespace ConfigFields

// True when every float of the record is finite, so that it can be written and read back.
bool allFloatsFinite(const Config& config);
