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

enum class Access { Child, ReadWrite, ReadOnly };

struct ExpectedProperty {
    std::string name;
    std::string type;
    Access access;
    std::string notifyOrChildClass; // notify signal, or the class of a child model
};

struct ExpectedClass {
    std::string superClass;
    std::vector<ExpectedProperty> properties;
    std::vector<std::string> methods; // "signal|invokable <return> <signature>" in order
};

ExpectedProperty child(const std::string& name, const std::string& childClass) {
    return {name, "QObject*", Access::Child, childClass};
}
ExpectedProperty value(const std::string& name, const std::string& type) {
    return {name, type, Access::ReadWrite, "_keo_" + name + "Changed"};
}
ExpectedProperty flag(const std::string& name) {
    return value(name, "bool");
}
std::string signal(const std::string& name) {
    return "signal void " + name + "()";
}
std::string changed(const std::string& property) {
    return signal("_keo_" + property + "Changed");
}
const std::string restore = "invokable void restoreDefaults()";

std::map<std::string, ExpectedClass> expectedClasses() {
    const std::string f = "float";
    const std::string filterType = "KEOFilterType::Enum";
    const std::string limitationType = "KEOLimitationType::Enum";
    std::map<std::string, ExpectedClass> classes;

    classes["BaseModel"] = {"QObject",
                            {{"isModified", "bool", Access::ReadOnly, "modifiedStateChanged"}},
                            {signal("modifiedStateChanged"), restore}};
    classes["FloatValueModel"] = {"BaseModel", {value("value", f)}, {changed("value")}};
    classes["FilterConfigModel"] = {
        "BaseModel",
        {value("cutoffFrequency", f), value("cutoffFrequencyStart", f),
         value("cutoffFrequencyEnd", f), value("filterType", filterType)},
        {changed("cutoffFrequency"), changed("cutoffFrequencyStart"), changed("cutoffFrequencyEnd"),
         changed("filterType"), restore}};
    classes["LimitationModel"] = {"BaseModel",
                                  {value("limitationFactor", f), value("maxValueFactor", f),
                                   value("limitationType", limitationType)},
                                  {changed("limitationFactor"), changed("maxValueFactor"),
                                   changed("limitationType"), restore}};
    classes["SignalLimitationModel"] = {
        "BaseModel",
        {value("maxValue", f), value("limitationFactor", f),
         value("limitationType", limitationType)},
        {changed("maxValue"), changed("limitationFactor"), changed("limitationType"), restore,
         "invokable float callLimitationFunction(float,float,float)"}};
    classes["TravelConfigModel"] = {"BaseModel",
                                    {child("accelerationFilterModel", "FilterConfigModel"),
                                     child("velocityFilterModel", "FilterConfigModel"),
                                     child("travelFilterModel", "FilterConfigModel"),
                                     child("outputTravelFilterModel", "FilterConfigModel"),
                                     child("outputTravelLimitationModel", "LimitationModel"),
                                     flag("enabled"), flag("bypassAccIntegration"),
                                     flag("bypassSpeedIntegration")},
                                    {changed("enabled"), changed("bypassAccIntegration"),
                                     changed("bypassSpeedIntegration"), restore}};
    classes["TiltCoordinationModel"] = {"BaseModel",
                                        {child("accelerationFilterModel", "FilterConfigModel"),
                                         child("maximumRateModel", "FloatValueModel"),
                                         child("outputFilterModel", "FilterConfigModel"),
                                         child("outputLimitationModel", "LimitationModel"),
                                         flag("enabled")},
                                        {changed("enabled"), restore}};
    classes["AngularVelocityModel"] = {"BaseModel",
                                       {child("velocityFilterModel", "FilterConfigModel"),
                                        child("angleFilterModel", "FilterConfigModel"),
                                        child("outputAngleFilterModel", "FilterConfigModel"),
                                        child("outputAngleLimitationModel", "LimitationModel"),
                                        flag("enabled"), flag("bypassIntegration")},
                                       {changed("enabled"), changed("bypassIntegration"), restore}};
    classes["AxisConfigModel"] = {
        "BaseModel",
        {child("accelerationInputLimitModel", "SignalLimitationModel"),
         child("angularRateInputLimitModel", "SignalLimitationModel"),
         child("tiltCoordinationInputLimitModel", "SignalLimitationModel"),
         child("travelConfigModel", "TravelConfigModel"),
         child("tiltCoordinationModel", "TiltCoordinationModel"),
         child("angularVelocityModel", "AngularVelocityModel")},
        {}};
    classes["AbsolutePitchRollModel"] = {
        "BaseModel",
        {child("pitchInputLimitModel", "SignalLimitationModel"),
         child("pitchOutputFilterModel", "FilterConfigModel"),
         child("pitchOutputLimitModel", "LimitationModel"),
         child("rollInputLimitModel", "SignalLimitationModel"),
         child("rollOutputFilterModel", "FilterConfigModel"),
         child("rollOutputLimitModel", "LimitationModel"), flag("pitchEnabled"),
         flag("rollEnabled")},
        {changed("pitchEnabled"), changed("rollEnabled"), restore}};
    classes["MixerPathModel"] = {"BaseModel",
                                 {child("outputFilterModel", "FilterConfigModel"),
                                  child("outputLimitModel", "LimitationModel"), flag("enabled")},
                                 {changed("enabled"), restore}};
    classes["MixerConfigModel"] = {
        "BaseModel",
        {child("swayToRollModel", "MixerPathModel"), child("yawToRollModel", "MixerPathModel"),
         child("surgeToPitchModel", "MixerPathModel"), child("heaveToPitchModel", "MixerPathModel"),
         child("roadHarshnessToSurgeModel", "MixerPathModel"),
         child("roadHarshnessToPitchModel", "MixerPathModel")},
        {}};
    classes["EnhancerConfigModel"] = {
        "BaseModel",
        {child("roadHarshnessToHeaveInputLimitModel", "SignalLimitationModel"),
         child("roadHarshnessToHeaveHighpassFilterModel", "FilterConfigModel"),
         child("roadHarshnessToHeaveOutputFilterModel", "FilterConfigModel"),
         child("roadHarshnessToHeaveOutputLimitationModel", "LimitationModel"),
         child("sideslipToYawInputLimitModel", "SignalLimitationModel"),
         child("sideslipToYawMaximumRateModel", "FloatValueModel"),
         child("sideslipToYawHighpassFilterModel", "FilterConfigModel"),
         child("sideslipToYawOutputFilterModel", "FilterConfigModel"),
         child("sideslipToYawOutputLimitationModel", "LimitationModel"),
         child("sideslipToRollInputLimitModel", "SignalLimitationModel"),
         child("sideslipToRollMaximumRateModel", "FloatValueModel"),
         child("sideslipToRollHighpassFilterModel", "FilterConfigModel"),
         child("sideslipToRollOutputFilterModel", "FilterConfigModel"),
         child("sideslipToRollOutputLimitationModel", "LimitationModel"),
         child("sideslipPivotPointLongitudinalModel", "FloatValueModel"),
         flag("roadHarshnessEnabled"), flag("sideslipToYawEnabled"), flag("sideslipToRollEnabled")},
        {changed("roadHarshnessEnabled"), changed("sideslipToYawEnabled"),
         changed("sideslipToRollEnabled"), restore}};
    classes["UndersteerConfigModel"] = {
        "BaseModel",
        {child("intendedTurningCurveFilterModel", "FilterConfigModel"),
         child("actualTurningCurveFilterModel", "FilterConfigModel"),
         child("yawRateFilterModel", "FilterConfigModel"),
         child("deltaTurningCurveMaximumRateModel", "FloatValueModel"),
         child("toYawOutputFilterModel", "FilterConfigModel"),
         child("toYawOutputLimitationModel", "LimitationModel"),
         child("toRollOutputFilterModel", "FilterConfigModel"),
         child("toRollOutputLimitationModel", "LimitationModel"),
         child("pivotPointLongitudinalModel", "FloatValueModel"), flag("toYawEnabled"),
         flag("toRollEnabled")},
        {changed("toYawEnabled"), changed("toRollEnabled"), restore}};
    classes["MultiplexerConfigModel"] = {"BaseModel",
                                         {child("surgeOutputLimitationModel", "LimitationModel"),
                                          child("swayOutputLimitationModel", "LimitationModel"),
                                          child("heaveOutputLimitationModel", "LimitationModel"),
                                          child("pitchOutputLimitationModel", "LimitationModel"),
                                          child("rollOutputLimitationModel", "LimitationModel"),
                                          child("yawOutputLimitationModel", "LimitationModel")},
                                         {}};

    const std::vector<std::string> switches{"enableAccMatrix",
                                            "enableAccMatrixTranslationBefore",
                                            "enableAccMatrixTranslationAfter",
                                            "enableVelocityMatrix",
                                            "enableVelocityMatrixTranslationBefore",
                                            "enableVelocityMatrixTranslationAfter",
                                            "enableGCorrection",
                                            "removeGVerticalComponent",
                                            "highpassUseFreshDataOnly"};
    ExpectedClass root{"BaseModel",
                       {child("lateralConfigModel", "AxisConfigModel"),
                        child("longitudinalConfigModel", "AxisConfigModel"),
                        child("verticalConfigModel", "AxisConfigModel"),
                        child("absolutePitchRollConfigModel", "AbsolutePitchRollModel"),
                        child("mixerConfigModel", "MixerConfigModel"),
                        child("enhancerConfigModel", "EnhancerConfigModel"),
                        child("understeerConfigModel", "UndersteerConfigModel"),
                        child("multiplexerConfigModel", "MultiplexerConfigModel")},
                       {}};
    for (const std::string& name : switches) {
        root.properties.push_back(flag(name));
        root.methods.push_back(changed(name));
    }
    root.methods.push_back(restore);
    classes["ConfigModel"] = root;

    classes["ParamSetModel"] = {"QObject",
                                {value("paramSetIndex", "KEOParamSet::Enum")},
                                {changed("paramSetIndex"), "invokable void switchParamSet()"}};
    ExpectedClass envelope{"QObject", {}, {signal("changed")}};
    for (const char* name : {"pitch", "roll", "yaw", "surge", "sway", "heave"}) {
        envelope.properties.push_back({name, "float", Access::ReadWrite, "changed"});
    }
    classes["WorkEnvelopeModel"] = envelope;
    return classes;
}

// The properties a class declares itself, leaving out the inherited ones.
void expectOwnProperties(const QMetaObject& meta, const ExpectedClass& shape) {
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), int(shape.properties.size()));
    for (std::size_t i = 0; i < shape.properties.size(); ++i) {
        const ExpectedProperty& expected = shape.properties[i];
        const QMetaProperty actual = meta.property(meta.propertyOffset() + int(i));
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(actual.name(), expected.name);
        EXPECT_EQ(actual.typeName(), expected.type);
        EXPECT_EQ(actual.isWritable(), expected.access == Access::ReadWrite);
        EXPECT_EQ(actual.isConstant(), expected.access == Access::Child);
        if (expected.access == Access::Child) {
            EXPECT_FALSE(actual.hasNotifySignal());
        } else {
            EXPECT_EQ(actual.notifySignal().name().toStdString(), expected.notifyOrChildClass);
        }
    }
}

std::vector<std::string> ownMethods(const QMetaObject& meta) {
    std::vector<std::string> methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const char* kind = method.methodType() == QMetaMethod::Signal ? "signal" : "invokable";
        methods.push_back(std::string(kind) + ' ' + method.typeName() + ' ' +
                          method.methodSignature().toStdString());
    }
    return methods;
}

void expectClass(const QMetaObject& meta, const ExpectedClass& shape) {
    SCOPED_TRACE(meta.className());
    EXPECT_EQ(meta.superClass()->className(), shape.superClass);
    expectOwnProperties(meta, shape);
    EXPECT_EQ(ownMethods(meta), shape.methods);
}

TEST(ModelMetaObjects, TopLevelClassesMatchTheirInterfaces) {
    const auto classes = expectedClasses();
    expectClass(BaseModel::staticMetaObject, classes.at("BaseModel"));
    expectClass(ParamSetModel::staticMetaObject, classes.at("ParamSetModel"));
    expectClass(WorkEnvelopeModel::staticMetaObject, classes.at("WorkEnvelopeModel"));
}

// Walks a whole tree so that every model class is met, and checks each child property holds a
// model of the promised class, created in property order under its parent.
TEST(ModelMetaObjects, EveryModelInTheTreeMatchesItsInterface) {
    const auto classes = expectedClasses();
    modeltest::BoundTree tree(zeroConfig());
    std::set<std::string> seen;
    for (const modeltest::ModelNode& node : modeltest::modelsOf(tree.root.get())) {
        const QMetaObject* meta = node.model->metaObject();
        SCOPED_TRACE(node.path.toStdString());
        ASSERT_EQ(classes.count(meta->className()), 1u);
        const ExpectedClass& shape = classes.at(meta->className());
        if (seen.insert(meta->className()).second) {
            expectClass(*meta, shape);
        }
        std::vector<QObject*> childModels;
        for (const ExpectedProperty& property : shape.properties) {
            if (property.access != Access::Child) {
                continue;
            }
            QObject* child = node.model->property(property.name.c_str()).value<QObject*>();
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(child->metaObject()->className(), property.notifyOrChildClass);
            EXPECT_EQ(child->parent(), node.model);
            childModels.push_back(child);
        }
        const QObjectList qtChildren = node.model->children();
        EXPECT_EQ(std::vector<QObject*>(qtChildren.begin(), qtChildren.end()), childModels);
    }
    EXPECT_EQ(seen.size(), 15u);
}

} // namespace
