#include "FrequencyResponseModel.h"

#include "models/ConfigModel.h"

#include <QString>
#include <QStringList>

namespace {

bool inRange(int response, int k) {
    return response >= 0 && response < cueing::responseCount && k >= 0 &&
           k < cueing::testFrequencyCount;
}

} // namespace

FrequencyResponseModel::FrequencyResponseModel(QObject* parent)
    : QObject(parent) {}

void FrequencyResponseModel::watch(ConfigModel* model) {
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model)
        connect(model, &BaseModel::modifiedStateChanged, this, &FrequencyResponseModel::recompute);
    recompute();
}

void FrequencyResponseModel::setEnvelope(const WorkEnvelopeLimits& envelope) {
    m_envelope = envelope;
    recompute();
}

QStringList FrequencyResponseModel::responseNames() {
    QStringList names;
    for (const cueing::ResponseKind& kind : cueing::responses)
        names << QString::fromLatin1(kind.name);
    return names;
}

void FrequencyResponseModel::recompute() {
    m_valid = m_model != nullptr;
    if (m_valid) {
        const double head[3] = {0.0, 0.0, 0.0}; // the host's point of sense is not known here
        const Config& config = m_model->current();
        m_tables[0] =
            cueing::frequencyResponse(config, KEOParamSet::First, m_envelope, stepRate, head);
        m_tables[1] =
            cueing::frequencyResponse(config, KEOParamSet::Second, m_envelope, stepRate, head);
    }
    ++m_revision;
    emit changed();
}

double FrequencyResponseModel::gain(int set, int response, int k) const {
    return inRange(response, k) ? table(set).gain(response, k) : 0.0;
}

double FrequencyResponseModel::phaseDegrees(int set, int response, int k) const {
    return inRange(response, k) ? table(set).phaseDegrees(response, k) : 0.0;
}

QString FrequencyResponseModel::gainUnit(int response) const {
    return inRange(response, 0) ? QString::fromLatin1(cueing::responses[response].unit) : QString();
}

QString FrequencyResponseModel::fidelityText(int set, int response) const {
    if (!inRange(response, 0))
        return QString();
    const cueing::FidelityPoint point = cueing::fidelityPoint(table(set), response);
    return tr("gain %1, phase distortion %2°")
        .arg(point.gain, 0, 'f', 2)
        .arg(point.phaseDistortionDegrees, 0, 'f', 0);
}
