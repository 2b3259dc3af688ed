#pragma once

#include "config/Config.h"
#include "models/ConfigModel.h"
#include "models/ParamSetModel.h"
#include "support/RecordValues.h"

#include <QByteArray>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <memory>
#include <ostream>
#include <vector>

// Shared helpers of the model tests: a model tree bound to records, walks over that tree and a log
// of the signals it emits, in emission order.

namespace modeltest {

inline QByteArray bytesOf(const Config& config) {
    return QByteArray(reinterpret_cast<const char*>(&config), sizeof config);
}

// How a tree got to its records: by construction alone, or by a rebind after being built on
// other records (which also takes the root's switch snapshot from the saved record).
enum class Binding { Constructed, Rebound };

// A configuration manager in miniature: the records and the model tree bound to them.
struct BoundTree {
    explicit BoundTree(const Config& values, Binding binding = Binding::Rebound)
        : current(std::make_unique<Config>(values))
        , saved(std::make_unique<Config>(values))
        , paramSets(std::make_unique<ParamSetModel>()) {
        if (binding == Binding::Constructed) {
            root = std::make_unique<ConfigModel>(current.get(), saved.get(), paramSets.get());
            return;
        }
        const Config other = zeroConfig();
        root = std::make_unique<ConfigModel>(&placeholder, &other, paramSets.get());
        root->rebind(current.get(), saved.get());
    }

    std::unique_ptr<Config> current;
    std::unique_ptr<Config> saved;
    std::unique_ptr<ParamSetModel> paramSets;
    Config placeholder = zeroConfig(); // what a rebound tree was built on
    std::unique_ptr<ConfigModel> root;
};

struct ModelNode {
    QString path; // child property names from the root, joined by '/'
    BaseModel* model;
};

// The root and every model below it, parents before children, children in property order.
inline std::vector<ModelNode> modelsOf(BaseModel* root, const QString& path = QString()) {
    std::vector<ModelNode> nodes{{path, root}};
    const QMetaObject* meta = root->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isConstant() || qstrcmp(property.typeName(), "QObject*") != 0)
            continue;
        auto* child = qobject_cast<BaseModel*>(property.read(root).value<QObject*>());
        const QString childPath =
            path.isEmpty() ? QString(property.name()) : path + '/' + property.name();
        for (ModelNode& node : modelsOf(child, childPath))
            nodes.push_back(node);
    }
    return nodes;
}

struct PropertyNode {
    QString path; // model path, then '.', then the property name
    BaseModel* model;
    QMetaProperty property;
};

// Every writable property of every model of the tree.
inline std::vector<PropertyNode> writablePropertiesOf(BaseModel* root) {
    std::vector<PropertyNode> properties;
    for (const ModelNode& node : modelsOf(root)) {
        const QMetaObject* meta = node.model->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.isWritable() && qstrcmp(property.name(), "objectName") != 0)
                properties.push_back({node.path + '.' + property.name(), node.model, property});
        }
    }
    return properties;
}

inline bool isFloat(const PropertyNode& node) {
    return qstrcmp(node.property.typeName(), "float") == 0;
}
inline float readFloat(const PropertyNode& node) {
    return node.property.read(node.model).value<float>();
}

// Writes a value that differs from the shown one: +1 for floats (in shown units), the opposite
// for switches, another valid type for enumerations.
inline void writeDifferent(const PropertyNode& node) {
    const QVariant shown = node.property.read(node.model);
    if (isFloat(node))
        node.property.write(node.model, QVariant::fromValue(shown.value<float>() + 1.0f));
    else if (qstrcmp(node.property.typeName(), "bool") == 0)
        node.property.write(node.model, !shown.toBool());
    else // enumerations travel as their own meta-type over a 32-bit integer
        node.property.write(node.model, *static_cast<const int*>(shown.constData()) == 1 ? 2 : 1);
}

// Records the _keo_ and modifiedStateChanged signals of the objects it watches, in order.
class SignalLog : public QObject {
    Q_OBJECT

public:
    struct Entry {
        const QObject* sender;
        QByteArray signal;
        bool operator==(const Entry& other) const {
            return sender == other.sender && signal == other.signal;
        }
        friend std::ostream& operator<<(std::ostream& out, const Entry& entry) {
            return out << entry.sender->metaObject()->className() << "@" << entry.sender
                       << "::" << entry.signal.constData();
        }
    };

    void watch(QObject* object) {
        const QMetaObject* meta = object->metaObject();
        const int slot = metaObject()->indexOfSlot("record()");
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal &&
                (method.name().startsWith("_keo_") || method.name() == "modifiedStateChanged"))
                QMetaObject::connect(object, i, this, slot);
        }
    }

    void watchTree(BaseModel* root) {
        for (const ModelNode& node : modelsOf(root))
            watch(node.model);
    }

    int count(const QObject* sender, const QByteArray& signal) const {
        int n = 0;
        for (const Entry& entry : entries)
            n += entry.sender == sender && entry.signal == signal ? 1 : 0;
        return n;
    }

    std::vector<Entry> entries;

private slots:
    void record() {
        entries.push_back({sender(), sender()->metaObject()->method(senderSignalIndex()).name()});
    }
};

} // namespace modeltest
