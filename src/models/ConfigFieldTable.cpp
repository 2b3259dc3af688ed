#include "ConfigFieldTable.h"

#include "RadToDegConverter.h"
#include "ui/DecimalSeparators.h"

#include <QCoreApplication>
#include <cstring>

namespace ConfigFieldTable {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ConfigFieldTable", text);
}

// Collects the table by walking a probe record the way the pages lay it out; offsets are taken
// from the probe's addresses, so the table cannot drift from the record's layout.
class Builder {
public:
    explicit Builder(std::vector<Field>& out)
        : m_out(out) {}

    // Where the following fields sit: page, block title and the block's model path.
    struct Place {
        Page page;
        QString block;
        QString modelPath;
    };

    void number(const Place& at, const FloatPair& value, const QString& label, const QString& unit,
                const QByteArray& property, bool degrees = false) {
        add(at, value, label, unit, Kind::Float, property, degrees);
    }
    void flag(const Place& at, const bool& value, const QString& label,
              const QByteArray& property) {
        add(at, value, label, QString(), Kind::Switch, property, false);
    }

    void filter(const Place& at, const FilterConfig& f) {
        number(at, f.cutoff, tr("Cutoff frequency"), QStringLiteral("Hz"), "cutoffFrequency");
        number(at, f.cutoffStart, tr("Freq. range start"), QStringLiteral("Hz"),
               "cutoffFrequencyStart");
        number(at, f.cutoffEnd, tr("Freq. range end"), QStringLiteral("Hz"), "cutoffFrequencyEnd");
        add(at, f.type, tr("Type"), QString(), Kind::FilterType, "filterType", false);
    }

    void limitation(const Place& at, const Limitation& l) {
        number(at, l.limitationFactor, tr("Factor"), QString(), "limitationFactor");
        add(at, l.type, tr("Type"), QString(), Kind::LimitationType, "limitationType", false);
        number(at, l.maxValueFactor, tr("Share of work envelope"), QStringLiteral("%"),
               "maxValueFactor");
    }

    void signalLimitation(const Place& at, const SignalLimitation& l, const QString& unit,
                          bool degrees) {
        number(at, l.maxValue, tr("Maximum value"), unit, "maxValue", degrees);
        number(at, l.limitationFactor, tr("Factor"), QString(), "limitationFactor");
        add(at, l.type, tr("Type"), QString(), Kind::LimitationType, "limitationType", false);
    }

    static const Config& probe() {
        static const Config config = zeroConfig();
        return config;
    }

private:
    template <class T>
    void add(const Place& at, const T& value, const QString& label, const QString& unit, Kind kind,
             const QByteArray& property, bool degrees) {
        const auto offset = static_cast<std::size_t>(reinterpret_cast<const char*>(&value) -
                                                     reinterpret_cast<const char*>(&probe()));
        m_out.push_back(
            Field{at.page, at.block, label, unit, kind, degrees, offset, at.modelPath, property});
    }

    std::vector<Field>& m_out;
};

using Place = Builder::Place;

QString joined(const QString& path, const QByteArray& child) {
    return path.isEmpty() ? QString::fromLatin1(child) : path + '/' + QString::fromLatin1(child);
}

void addAxis(Builder& b, Page page, const AxisConfig& axis, const QString& model) {
    b.signalLimitation(
        {page, tr("Acceleration input limitation"), joined(model, "accelerationInputLimitModel")},
        axis.accelerationInputLimit, QStringLiteral("m/s\u00B2"), false);
    b.signalLimitation(
        {page, tr("Angular rate input limitation"), joined(model, "angularRateInputLimitModel")},
        axis.angularRateInputLimit, QStringLiteral("deg/s"), true);
    b.signalLimitation(
        {page, tr("Tilt input limitation"), joined(model, "tiltCoordinationInputLimitModel")},
        axis.tiltCoordinationInputLimit, QStringLiteral("m/s\u00B2"), false);

    const QString travel = joined(model, "travelConfigModel");
    const Place travelPath{page, tr("Travel path"), travel};
    b.flag(travelPath, axis.travel.enabled, tr("Path on"), "enabled");
    b.flag(travelPath, axis.travel.bypassAccIntegration, tr("Bypass acceleration integration"),
           "bypassAccIntegration");
    b.flag(travelPath, axis.travel.bypassSpeedIntegration, tr("Bypass velocity integration"),
           "bypassSpeedIntegration");
    b.filter({page, tr("Travel: Acceleration filter"), joined(travel, "accelerationFilterModel")},
             axis.travel.accelerationFilter);
    b.filter({page, tr("Travel: Velocity filter"), joined(travel, "velocityFilterModel")},
             axis.travel.velocityFilter);
    b.filter({page, tr("Travel: Travel filter"), joined(travel, "travelFilterModel")},
             axis.travel.travelFilter);
    b.filter({page, tr("Travel: Output filter"), joined(travel, "outputTravelFilterModel")},
             axis.travel.outputFilter);
    b.limitation({page, tr("Travel: Limit"), joined(travel, "outputTravelLimitationModel")},
                 axis.travel.outputLimit);

    const QString tilt = joined(model, "tiltCoordinationModel");
    b.flag({page, tr("Tilt coordination path"), tilt}, axis.tiltCoordination.enabled, tr("Path on"),
           "enabled");
    b.number({page, tr("Tilt: Angle rate limit"), joined(tilt, "maximumRateModel")},
             axis.tiltCoordination.maximumRate, tr("Maximum rate"), QStringLiteral("deg/s"),
             "value", true);
    b.filter({page, tr("Tilt: Acceleration filter"), joined(tilt, "accelerationFilterModel")},
             axis.tiltCoordination.accelerationFilter);
    b.filter({page, tr("Tilt: Output filter"), joined(tilt, "outputFilterModel")},
             axis.tiltCoordination.outputFilter);
    b.limitation({page, tr("Tilt: Limit"), joined(tilt, "outputLimitationModel")},
                 axis.tiltCoordination.outputLimit);

    const QString angular = joined(model, "angularVelocityModel");
    const Place angularPath{page, tr("Angular path"), angular};
    b.flag(angularPath, axis.angularVelocity.enabled, tr("Path on"), "enabled");
    b.flag(angularPath, axis.angularVelocity.bypassIntegration, tr("Bypass integration"),
           "bypassIntegration");
    b.filter({page, tr("Angular: Angular velocity filter"), joined(angular, "velocityFilterModel")},
             axis.angularVelocity.velocityFilter);
    b.filter({page, tr("Angular: Angle filter"), joined(angular, "angleFilterModel")},
             axis.angularVelocity.angleFilter);
    b.filter({page, tr("Angular: Output filter"), joined(angular, "outputAngleFilterModel")},
             axis.angularVelocity.outputFilter);
    b.limitation({page, tr("Angular: Limit"), joined(angular, "outputAngleLimitationModel")},
                 axis.angularVelocity.outputLimit);
}

void addAbsolute(Builder& b, const AbsoluteAngleConfig& angle, const QString& name,
                 const char* prefix) {
    const QString model = QStringLiteral("absolutePitchRollConfigModel");
    const QByteArray p(prefix);
    b.flag({Absolute, name, model}, angle.enabled, tr("Path on"), p + "Enabled");
    b.signalLimitation(
        {Absolute, name + tr(": Input limitation"), joined(model, p + "InputLimitModel")},
        angle.inputLimit, QStringLiteral("deg"), true);
    b.filter({Absolute, name + tr(": Output filter"), joined(model, p + "OutputFilterModel")},
             angle.outputFilter);
    b.limitation({Absolute, name + tr(": Limit"), joined(model, p + "OutputLimitModel")},
                 angle.outputLimit);
}

// A switchable path of an output filter and a limit (mixer paths, understeer outputs).
void addOutputPath(Builder& b, Page page, const MixerPathConfig& path, const QString& name,
                   const Place& enabledAt, const char* enabledProperty, const QString& filterModel,
                   const QString& limitModel) {
    b.flag(enabledAt, path.enabled, tr("Path on"), enabledProperty);
    b.filter({page, name + tr(": Output filter"), filterModel}, path.outputFilter);
    b.limitation({page, name + tr(": Limit"), limitModel}, path.outputLimit);
}

void addMixer(Builder& b, const MixerConfig& mixer) {
    struct Path {
        const MixerPathConfig& config;
        const char* model;
        const char* name;
    };
    const Path paths[] = {
        {mixer.swayToRoll, "swayToRollModel", "Sway to roll"},
        {mixer.surgeToPitch, "surgeToPitchModel", "Surge to pitch"},
        {mixer.yawToRoll, "yawToRollModel", "Yaw to roll"},
        {mixer.roadHarshnessToSurge, "roadHarshnessToSurgeModel", "Road harshness to surge"},
        {mixer.heaveToPitch, "heaveToPitchModel", "Heave to pitch"},
        {mixer.roadHarshnessToPitch, "roadHarshnessToPitchModel", "Road harshness to pitch"},
    };
    for (const Path& path : paths) {
        const QString model = joined(QStringLiteral("mixerConfigModel"), path.model);
        const QString name = tr(path.name);
        addOutputPath(b, Mixer, path.config, name, {Mixer, name, model}, "enabled",
                      joined(model, "outputFilterModel"), joined(model, "outputLimitModel"));
    }
}

void addSideslip(Builder& b, const SideslipPathConfig& path, const QString& name,
                 const char* prefix) {
    const QString model = QStringLiteral("enhancerConfigModel");
    const QByteArray p(prefix);
    b.flag({Enhancer, name, model}, path.enabled, tr("Path on"), p + "Enabled");
    b.signalLimitation(
        {Enhancer, name + tr(": Input limitation"), joined(model, p + "InputLimitModel")},
        path.inputLimit, QStringLiteral("deg"), true);
    b.number({Enhancer, name + tr(": Rate limit"), joined(model, p + "MaximumRateModel")},
             path.maximumRate, tr("Maximum rate"), QStringLiteral("deg/s"), "value");
    b.filter({Enhancer, name + tr(": Highpass filter"), joined(model, p + "HighpassFilterModel")},
             path.highpassFilter);
    b.filter({Enhancer, name + tr(": Output filter"), joined(model, p + "OutputFilterModel")},
             path.outputFilter);
    b.limitation({Enhancer, name + tr(": Limit"), joined(model, p + "OutputLimitationModel")},
                 path.outputLimit);
}

void addEnhancer(Builder& b, const EnhancerConfig& e) {
    const QString model = QStringLiteral("enhancerConfigModel");
    const RoadHarshnessConfig& road = e.roadHarshness;
    const QString roadName = tr("Road harshness");
    b.flag({Enhancer, roadName, model}, road.enabled, tr("Path on"), "roadHarshnessEnabled");
    b.signalLimitation({Enhancer, roadName + tr(": Input limitation"),
                        joined(model, "roadHarshnessToHeaveInputLimitModel")},
                       road.inputLimit, QStringLiteral("m"), false);
    b.filter({Enhancer, roadName + tr(": Highpass filter"),
              joined(model, "roadHarshnessToHeaveHighpassFilterModel")},
             road.highpassFilter);
    b.filter({Enhancer, roadName + tr(": Output filter"),
              joined(model, "roadHarshnessToHeaveOutputFilterModel")},
             road.outputFilter);
    b.limitation({Enhancer, roadName + tr(": Limit"),
                  joined(model, "roadHarshnessToHeaveOutputLimitationModel")},
                 road.outputLimit);
    addSideslip(b, e.sideslipToYaw, tr("Sideslip to yaw"), "sideslipToYaw");
    addSideslip(b, e.sideslipToRoll, tr("Sideslip to roll"), "sideslipToRoll");
    b.number({Enhancer, tr("Sideslip: Pivot point"),
              joined(model, "sideslipPivotPointLongitudinalModel")},
             e.sideslipPivotLongitudinalOffset, tr("Forward offset"), QStringLiteral("m"), "value");
}

void addUndersteer(Builder& b, const UndersteerConfig& u) {
    const QString model = QStringLiteral("understeerConfigModel");
    b.filter({Understeer, tr("Intended turning curve: Lowpass filter"),
              joined(model, "intendedTurningCurveFilterModel")},
             u.intendedTurningCurveFilter);
    b.filter({Understeer, tr("Actual turning curve: Lowpass filter"),
              joined(model, "actualTurningCurveFilterModel")},
             u.actualTurningCurveFilter);
    b.filter({Understeer, tr("Yaw rate: Lowpass filter"), joined(model, "yawRateFilterModel")},
             u.yawRateFilter);
    b.number({Understeer, tr("Rate limit"), joined(model, "deltaTurningCurveMaximumRateModel")},
             u.deltaTurningCurveMaximumRate, tr("Maximum rate"), QStringLiteral("deg/s"), "value");
    addOutputPath(b, Understeer, u.toYaw, tr("To yaw"), {Understeer, tr("To yaw"), model},
                  "toYawEnabled", joined(model, "toYawOutputFilterModel"),
                  joined(model, "toYawOutputLimitationModel"));
    addOutputPath(b, Understeer, u.toRoll, tr("To roll"), {Understeer, tr("To roll"), model},
                  "toRollEnabled", joined(model, "toRollOutputFilterModel"),
                  joined(model, "toRollOutputLimitationModel"));
    b.number({Understeer, tr("Pivot point"), joined(model, "pivotPointLongitudinalModel")},
             u.pivotPointLongitudinalOffset, tr("Forward offset"), QStringLiteral("m"), "value");
}

void addMultiplexer(Builder& b, const MultiplexerConfig& m) {
    struct Limit {
        const Limitation& config;
        const char* model;
        const char* name;
    };
    const Limit limits[] = {
        {m.surge, "surgeOutputLimitationModel", "Surge: Limit"},
        {m.pitch, "pitchOutputLimitationModel", "Pitch: Limit"},
        {m.sway, "swayOutputLimitationModel", "Sway: Limit"},
        {m.roll, "rollOutputLimitationModel", "Roll: Limit"},
        {m.heave, "heaveOutputLimitationModel", "Heave: Limit"},
        {m.yaw, "yawOutputLimitationModel", "Yaw: Limit"},
    };
    for (const Limit& limit : limits)
        b.limitation({Multiplexer, tr(limit.name),
                      joined(QStringLiteral("multiplexerConfigModel"), limit.model)},
                     limit.config);
}

void addOptions(Builder& b, const AlgorithmOptions& o) {
    const Place transformations{Options, tr("Transformations"), QString()};
    b.flag(transformations, o.enableAccMatrix,
           tr("T1: Enable linear accelerations transformations"), "enableAccMatrix");
    b.flag(transformations, o.enableAccMatrixTranslationBefore,
           tr("T2: Translate acc matrix (by point of sense) before transforming acceleration "
              "forces"),
           "enableAccMatrixTranslationBefore");
    b.flag(
        transformations, o.enableAccMatrixTranslationAfter,
        tr("T3: Translate acc matrix (by point of sense) after transforming acceleration forces"),
        "enableAccMatrixTranslationAfter");
    b.flag(transformations, o.enableVelocityMatrix,
           tr("V1: Enable angular velocity transformation matrix"), "enableVelocityMatrix");
    b.flag(transformations, o.enableVelocityMatrixTranslationBefore,
           tr("V2: Translate angular velocity transformation matrix (by point of sense) before "
              "transforming velocities"),
           "enableVelocityMatrixTranslationBefore");
    b.flag(transformations, o.enableVelocityMatrixTranslationAfter,
           tr("V3: Translate angular velocity transformation matrix (by point of sense) after "
              "transforming velocities"),
           "enableVelocityMatrixTranslationAfter");
    const Place correction{Options, tr("G correction base on actual top frame's position"),
                           QString()};
    b.flag(correction, o.enableCorrection, tr("G1: Enable G corrections"), "enableGCorrection");
    b.flag(correction, o.removeVerticalComponent,
           tr("G2: Input linear accelerations do NOT contain gravity component"),
           "removeGVerticalComponent");
    b.flag({Options, tr("Misc."), QString()}, o.highpassUseFreshDataOnly,
           tr("Highpass filters use only fresh data"), "highpassUseFreshDataOnly");
}

std::vector<Field> buildTable() {
    std::vector<Field> table;
    Builder b(table);
    const Config& c = Builder::probe();
    addAxis(b, Lateral, c.lateral, QStringLiteral("lateralConfigModel"));
    addAxis(b, Longitudinal, c.longitudinal, QStringLiteral("longitudinalConfigModel"));
    addAxis(b, Vertical, c.vertical, QStringLiteral("verticalConfigModel"));
    addAbsolute(b, c.absolutePitch, tr("Pitch"), "pitch");
    addAbsolute(b, c.absoluteRoll, tr("Roll"), "roll");
    addEnhancer(b, c.enhancer);
    addUndersteer(b, c.understeer);
    addMixer(b, c.mixer);
    addMultiplexer(b, c.multiplexer);
    addOptions(b, c.algorithm);
    return table;
}

std::vector<Item> buildItems() {
    std::vector<Item> items;
    const auto& table = fields();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        if (table[i].kind == Kind::Float) {
            items.push_back({i, 0});
            items.push_back({i, 1});
        } else {
            items.push_back({i, -1});
        }
    }
    return items;
}

std::size_t byteOffset(const Item& item) {
    const Field& field = fields()[item.field];
    return field.offset + (item.set > 0 ? sizeof(float) : 0);
}

std::size_t byteSize(const Field& field) {
    return field.kind == Kind::Switch ? sizeof(bool) : sizeof(std::uint32_t);
}

QString filterTypeName(std::int32_t type) {
    switch (type) {
    case KEOFilterType::None:
        return tr("None");
    case KEOFilterType::HighPass:
        return tr("High pass");
    case KEOFilterType::LowPass:
        return tr("Low pass");
    case KEOFilterType::HighPassDelta:
        return tr("High pass (delta)");
    default:
        return QString::number(type);
    }
}

QString limitationTypeName(std::int32_t type) {
    switch (type) {
    case KEOLimitationType::None:
        return tr("None");
    case KEOLimitationType::Logistic:
        return tr("Logistic (Sigmoid)");
    case KEOLimitationType::Atan:
        return tr("Atan");
    case KEOLimitationType::Gain:
        return tr("Gain");
    default:
        return QString::number(type);
    }
}

} // namespace

const std::vector<Field>& fields() {
    static const std::vector<Field> table = buildTable();
    return table;
}

const std::vector<Item>& allItems() {
    static const std::vector<Item> items = buildItems();
    return items;
}

QString pageTitle(Page page) {
    switch (page) {
    case Lateral:
        return tr("Lateral acceleration and roll rate");
    case Longitudinal:
        return tr("Longitudinal acceleration and pitch rate");
    case Vertical:
        return tr("Vertical acceleration and yaw rate");
    case Absolute:
        return tr("Body roll and pitch");
    case Enhancer:
        return tr("Enhancer");
    case Understeer:
        return tr("Understeer");
    case Mixer:
        return tr("DoF mixer");
    case Multiplexer:
        return tr("Multiplexer");
    default:
        return tr("Options");
    }
}

std::uint32_t read(const Config& config, const Item& item) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, reinterpret_cast<const char*>(&config) + byteOffset(item),
                byteSize(fields()[item.field]));
    return raw;
}

void write(Config& config, const Item& item, std::uint32_t raw) {
    std::memcpy(reinterpret_cast<char*>(&config) + byteOffset(item), &raw,
                byteSize(fields()[item.field]));
}

double shownNumber(const Item& item, std::uint32_t raw) {
    const Field& field = fields()[item.field];
    if (field.kind != Kind::Float)
        return 0.0;
    float stored;
    std::memcpy(&stored, &raw, sizeof stored);
    return field.shownInDegrees ? RadToDegConverter().toDisplay(stored) : stored;
}

double shownNumber(const Config& config, const Item& item) {
    return shownNumber(item, read(config, item));
}

QString numberText(double value) {
    static const DecimalSeparators separators = DecimalSeparators::detect();
    QString text = QString::number(value, 'f', 4);
    text.replace(separators.machine, separators.display);
    return text;
}

QString display(const Item& item, std::uint32_t raw) {
    const auto value = static_cast<std::int32_t>(raw);
    switch (fields()[item.field].kind) {
    case Kind::Float:
        return numberText(shownNumber(item, raw));
    case Kind::Switch:
        return value ? tr("On") : tr("Off");
    case Kind::FilterType:
        return filterTypeName(value);
    case Kind::LimitationType:
        return limitationTypeName(value);
    }
    return QString();
}

QString display(const Config& config, const Item& item) {
    return display(item, read(config, item));
}

bool sameValue(const Item& item, std::uint32_t a, std::uint32_t b) {
    if (fields()[item.field].kind != Kind::Float)
        return a == b;
    float first;
    float second;
    std::memcpy(&first, &a, sizeof first);
    std::memcpy(&second, &b, sizeof second);
    return qFuzzyCompare(first, second);
}

bool sameValue(const Config& a, const Config& b, const Item& item) {
    return sameValue(item, read(a, item), read(b, item));
}

std::vector<Item> changedItems(const Config& before, const Config& after) {
    std::vector<Item> changed;
    for (const Item& item : allItems()) {
        if (read(before, item) != read(after, item))
            changed.push_back(item);
    }
    return changed;
}

} // namespace ConfigFieldTable
