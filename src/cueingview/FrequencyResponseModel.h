#pragma once

#include "KEOUI64/WorkEnvelopeLimits.h"
#include "cueing/FrequencyResponse.h"

#include <QObject>
#include <QPointer>
#include <array>

class ConfigModel;

// The frequency response of the edited configuration, both parameter sets, as the project's engine
// models it for the selected cluster's work envelope. Recomputed at once on every effective edit
// (two tables take about 0.1 ms), so a repaint after an edit always shows the edited values.
class FrequencyResponseModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int revision READ revision NOTIFY changed)
    Q_PROPERTY(bool valid READ valid NOTIFY changed)
    Q_PROPERTY(QStringList responseNames READ responseNames CONSTANT)

public:
    // The step rate the tables assume: the engine's own default (keo-sim's --rate). The host's
    // record rate is not known to the library; at the test frequencies (up to 2.5 Hz) the
    // discretisation changes a response by far less than a line's width above 200 steps/s.
    static constexpr double stepRate = 1000.0;

    explicit FrequencyResponseModel(QObject* parent = nullptr);

    // Follows `model`'s edits; null stops following.
    void watch(ConfigModel* model);
    void setEnvelope(const WorkEnvelopeLimits& envelope);

    int revision() const { return m_revision; }
    bool valid() const { return m_valid; }
    static QStringList responseNames();

    // Parameter set 0 or 1; `response` a cueing::ResponseIndex; `k` a test frequency index.
    const cueing::FrequencyResponse& table(int set) const { return m_tables[set == 0 ? 0 : 1]; }
    Q_INVOKABLE double gain(int set, int response, int k) const;
    Q_INVOKABLE double phaseDegrees(int set, int response, int k) const;
    Q_INVOKABLE QString gainUnit(int response) const;
    Q_INVOKABLE QString fidelityText(int set, int response) const;

public slots:
    void recompute();

signals:
    void changed();

private:
    QPointer<ConfigModel> m_model;
    WorkEnvelopeLimits m_envelope{};
    std::array<cueing::FrequencyResponse, 2> m_tables{};
    bool m_valid = false;
    int m_revision = 0;
};
