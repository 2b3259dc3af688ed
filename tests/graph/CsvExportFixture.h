#pragma once

// Exports a graph through its menu into a scratch folder, with the file dialog and the error
// message box replaced.
#include "graph/GraphDialogs.h"
#include "graph/GraphSource.h"
#include "graph/GraphWidget.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Answers the file dialog with one path (empty: cancelled), counts how often it was asked and
// records the errors shown to the user.
class ScriptedExport {
public:
    explicit ScriptedExport(const QString& path)
        : m_previousChooser(
              JVX::setSaveFileChooser([this, path](QWidget*, const QString&, const QString&) {
                  ++calls;
                  return path;
              }))
        , m_previousReporter(JVX::setErrorReporter(
              [this](QWidget*, const QString&, const QString& message) { errors << message; })) {}
    ~ScriptedExport() {
        JVX::setSaveFileChooser(m_previousChooser);
        JVX::setErrorReporter(m_previousReporter);
    }

    int calls = 0;
    QStringList errors;

private:
    JVX::SaveFileChooser m_previousChooser;
    JVX::ErrorReporter m_previousReporter;
};

class CsvExportFailure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        widget.setTitle(QStringLiteral("Lateral"));
        source->setMaxOnScreen(4000);
        for (int step = 0; step < 4000; ++step) {
            const float values[2] = {float(step), -float(step)};
            source->addSamples(2, values, false, 1000 + std::uint64_t(step));
        }
    }

    void exportFromTheMenu() {
        const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("Export"))
                action->trigger();
    }

    QTemporaryDir folder;
    JVX::GraphWidget widget{nullptr, nullptr, true};
    JVX::GraphSource* source = widget.source();
};
