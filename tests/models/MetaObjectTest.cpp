// The views bind to these names, types and signals by text, so a renamed or re-typed property
// breaks a page silently. The tables below are written out by hand, not generated from the code.
#include "ModelTestSupport.h"
#include "models/BaseModel.h"
#include "models/WorkEnvelopeModel.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

// A class's own properties in declaration order: "name>Class" is a constant child model,
// "name:type" a writable value announced by _keo_<name>Changed (declared in this order ahead of
// the other methods), "name:type@signal" a writable value with another signal, and
// "name=type@signal" a read-only value.
struct Shape {
    std::string superClass;
    std::vector<std::string> properties;
    std::vector<std::string> methods; // after the generated signals: "signal|invokable <sig>"
};

const std::string restore = "invokable void restoreDefaults()";
const std::string filter = ">FilterConfigModel", limit = ">LimitationModel",
                  signalLimit = ">SignalLimitationModel", value = ">FloatValueModel";

std::map<std::string, Shape> expectedShapes() {
    std::map<std::string, Shape> shapes{
        {"BaseModel",
         {"QObject",
          {"isModified=bool@modifiedStateChanged"},
          {"signal void modifiedStateChanged()", restore}}},
        {"FloatValueModel", {"BaseModel", {"value:float"}, {}}},
        {"FilterConfigModel",
         {"BaseModel",
          {"cutoffFrequency:float", "cutoffFrequencyStart:float", "cutoffFrequencyEnd:float",
           "filterType:KEOFilterType::Enum"},
          {restore}}},
        {"LimitationModel",
         {"BaseModel",
          {"limitationFactor:float", "maxValueFactor:float",
           "limitationType:KEOLimitationType::Enum"},
          {restore}}},
        {"SignalLimitationModel",
         {"BaseModel",
          {"maxValue:float", "limitationFactor:float", "limitationType:KEOLimitationType::Enum"},
          {restore, "invokable float callLimitationFunction(float,float,float)"}}},
        {"TravelConfigModel",
         {"BaseModel",
          {"accelerationFilterModel" + filter, "velocityFilterModel" + filter,
           "travelFilterModel" + filter, "outputTravelFilterModel" + filter,
           "outputTravelLimitationModel" + limit, "enabled:bool", "bypassAccIntegration:bool",
           "bypassSpeedIntegration:bool"},
          {restore}}},
        {"TiltCoordinationModel",
         {"BaseModel",
          {"accelerationFilterModel" + filter, "maximumRateModel" + value,
           "outputFilterModel" + filter, "outputLimitationModel" + limit, "enabled:bool"},
          {restore}}},
        {"AngularVelocityModel",
         {"BaseModel",
          {"velocityFilterModel" + filter, "angleFilterModel" + filter,
           "outputAngleFilterModel" + filter, "outputAngleLimitationModel" + limit, "enabled:bool",
           "bypassIntegration:bool"},
          {restore}}},
        {"AxisConfigModel",
         {"BaseModel",
          {"accelerationInputLimitModel" + signalLimit, "angularRateInputLimitModel" + signalLimit,
           "tiltCoordinationInputLimitModel" + signalLimit, "travelConfigModel>TravelConfigModel",
           "tiltCoordinationModel>TiltCoordinationModel",
           "angularVelocityModel>AngularVelocityModel"},
          {}}},
        {"AbsolutePitchRollModel",
         {"BaseModel",
          {"pitchInputLimitModel" + signalLimit, "pitchOutputFilterModel" + filter,
           "pitchOutputLimitModel" + limit, "rollInputLimitModel" + signalLimit,
           "rollOutputFilterModel" + filter, "rollOutputLimitModel" + limit, "pitchEnabled:bool",
           "rollEnabled:bool"},
          {restore}}},
        {"MixerPathModel",
         {"BaseModel",
          {"outputFilterModel" + filter, "outputLimitModel" + limit, "enabled:bool"},
          {restore}}},
        {"MixerConfigModel",
         {"BaseModel",
          {"swayToRollModel>MixerPathModel", "yawToRollModel>MixerPathModel",
           "surgeToPitchModel>MixerPathModel", "heaveToPitchModel>MixerPathModel",
           "roadHarshnessToSurgeModel>MixerPathModel", "roadHarshnessToPitchModel>MixerPathModel"},
          {}}},
        {"EnhancerConfigModel",
         {"BaseModel",
          {"roadHarshnessToHeaveInputLimitModel" + signalLimit,
           "roadHarshnessToHeaveHighpassFilterModel" + filter,
           "roadHarshnessToHeaveOutputFilterModel" + filter,
           "roadHarshnessToHeaveOutputLimitationModel" + limit,
           "sideslipToYawInputLimitModel" + signalLimit, "sideslipToYawMaximumRateModel" + value,
           "sideslipToYawHighpassFilterModel" + filter, "sideslipToYawOutputFilterModel" + filter,
           "sideslipToYawOutputLimitationModel" + limit,
           "sideslipToRollInputLimitModel" + signalLimit, "sideslipToRollMaximumRateModel" + value,
           "sideslipToRollHighpassFilterModel" + filter, "sideslipToRollOutputFilterModel" + filter,
           "sideslipToRollOutputLimitationModel" + limit,
           "sideslipPivotPointLongitudinalModel" + value, "roadHarshnessEnabled:bool",
           "sideslipToYawEnabled:bool", "sideslipToRollEnabled:bool"},
          {restore}}},
        {"UndersteerConfigModel",
         {"BaseModel",
          {"intendedTurningCurveFilterModel" + filter, "actualTurningCurveFilterModel" + filter,
           "yawRateFilterModel" + filter, "deltaTurningCurveMaximumRateModel" + value,
           "toYawOutputFilterModel" + filter, "toYawOutputLimitationModel" + limit,
           "toRollOutputFilterModel" + filter, "toRollOutputLimitationModel" + limit,
           "pivotPointLongitudinalModel" + value, "toYawEnabled:bool", "toRollEnabled:bool"},
          {restore}}},
        {"MultiplexerConfigModel",
         {"BaseModel",
          {"surgeOutputLimitationModel" + limit, "swayOutputLimitationModel" + limit,
           "heaveOutputLimitationModel" + limit, "pitchOutputLimitationModel" + limit,
           "rollOutputLimitationModel" + limit, "yawOutputLimitationModel" + limit},
          {}}},
        {"ConfigModel",
         {"BaseModel",
          {"lateralConfigModel>AxisConfigModel", "longitudinalConfigModel>AxisConfigModel",
           "verticalConfigModel>AxisConfigModel",
           "absolutePitchRollConfigModel>AbsolutePitchRollModel",
           "mixerConfigModel>MixerConfigModel", "enhancerConfigModel>EnhancerConfigModel",
           "understeerConfigModel>UndersteerConfigModel",
           "multiplexerConfigModel>MultiplexerConfigModel", "enableAccMatrix:bool",
           "enableAccMatrixTranslationBefore:bool", "enableAccMatrixTranslationAfter:bool",
           "enableVelocityMatrix:bool", "enableVelocityMatrixTranslationBefore:bool",
           "enableVelocityMatrixTranslationAfter:bool", "enableGCorrection:bool",
           "removeGVerticalComponent:bool", "highpassUseFreshDataOnly:bool"},
          {restore}}},
        {"ParamSetModel",
         {"QObject", {"paramSetIndex:KEOParamSet::Enum"}, {"invokable void switchParamSet()"}}},
        {"WorkEnvelopeModel",
         {"QObject",
          {"pitch:float@changed", "roll:float@changed", "yaw:float@changed", "surge:float@changed",
           "sway:float@changed", "heave:float@changed"},
          {"signal void changed()"}}},
    };
    return shapes;
}

// The child class named by a "name>Class" entry, or empty for a value.
std::string childClassOf(const std::string& entry) {
    const std::size_t at = entry.find('>');
    return at == std::string::npos ? std::string() : entry.substr(at + 1);
}

std::string describeProperty(const QMetaProperty& p) {
    const std::string name = p.name();
    if (p.isConstant())
        return std::string(p.typeName()) == "QObject*" ? name + ">?" : name + "!constant";
    const std::string notify = p.notifySignal().name().toStdString();
    const std::string separator = p.isWritable() ? ":" : "=";
    const std::string tail =
        notify == "_keo_" + name + "Changed" && p.isWritable() ? "" : "@" + notify;
    return name + separator + p.typeName() + tail;
}

void expectShape(const QMetaObject& meta, const Shape& shape) {
    SCOPED_TRACE(meta.className());
    EXPECT_EQ(meta.superClass()->className(), shape.superClass);
    std::vector<std::string> properties, expectedProperties, methods, expectedMethods;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        properties.push_back(describeProperty(meta.property(i)));
    for (const std::string& entry : shape.properties) {
        const std::string childClass = childClassOf(entry);
        expectedProperties.push_back(childClass.empty() ? entry
                                                        : entry.substr(0, entry.find('>')) + ">?");
        if (childClass.empty() && entry.find('@') == std::string::npos &&
            entry.find(':') != std::string::npos)
            expectedMethods.push_back("signal void _keo_" + entry.substr(0, entry.find(':')) +
                                      "Changed()");
    }
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const char* kind = method.methodType() == QMetaMethod::Signal ? "signal " : "invokable ";
        methods.push_back(kind + std::string(method.typeName()) + ' ' +
                          method.methodSignature().toStdString());
    }
    expectedMethods.insert(expectedMethods.end(), shape.methods.begin(), shape.methods.end());
    EXPECT_EQ(properties, expectedProperties);
    EXPECT_EQ(methods, expectedMethods);
}

TEST(ModelMetaObjects, ClassesOutsideTheTreeMatchTheirInterfaces) {
    const auto shapes = expectedShapes();
    expectShape(BaseModel::staticMetaObject, shapes.at("BaseModel"));
    expectShape(ParamSetModel::staticMetaObject, shapes.at("ParamSetModel"));
    expectShape(WorkEnvelopeModel::staticMetaObject, shapes.at("WorkEnvelopeModel"));
}

// Walks a whole tree so that every model class is met, and checks each child property holds a
// model of the promised class, created in property order under its parent.
TEST(ModelMetaObjects, EveryModelInTheTreeMatchesItsInterface) {
    const auto shapes = expectedShapes();
    modeltest::BoundTree tree(zeroConfig());
    std::set<std::string> seen;
    for (const modeltest::ModelNode& node : modeltest::modelsOf(tree.root.get())) {
        const QMetaObject* meta = node.model->metaObject();
        SCOPED_TRACE(node.path.toStdString());
        ASSERT_EQ(shapes.count(meta->className()), 1u);
        const Shape& shape = shapes.at(meta->className());
        if (seen.insert(meta->className()).second)
            expectShape(*meta, shape);
        std::vector<QObject*> childModels;
        for (const std::string& entry : shape.properties) {
            if (childClassOf(entry).empty())
                continue;
            QObject* child =
                node.model->property(entry.substr(0, entry.find('>')).c_str()).value<QObject*>();
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(child->metaObject()->className(), childClassOf(entry));
            EXPECT_EQ(child->parent(), node.model);
            childModels.push_back(child);
        }
        const QObjectList qtChildren = node.model->children();
        EXPECT_EQ(std::vector<QObject*>(qtChildren.begin(), qtChildren.end()), childModels);
    }
    EXPECT_EQ(seen.size(), 15u);
}

} // namespace
