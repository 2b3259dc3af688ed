#include "Assessment.h"

#include "AssessmentFiles.h"
#include "AssessmentText.h"
#include "engine/Engine.h"

#include <stdexcept>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error(path + ": cannot create the file");
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written)
        throw std::runtime_error(path + ": the data did not reach the disk");
}

} // namespace

std::unique_ptr<Assessment> Assessment::forOptions(const SimOptions& options, const Config& config,
                                                   const WorkEnvelopeLimits& envelope,
                                                   const engine::drive::Drive& drive) {
    const bool wantsScores = options.assess || !options.reportPath.empty();
    if (!wantsScores && options.frequencyResponsePath.empty())
        return nullptr;
    std::unique_ptr<Assessment> assessment(new Assessment(options, envelope));
    const auto set = KEOParamSet::Enum(options.paramSet);
    const engine::Tuning tuning = engine::Engine::tune(config, set, envelope, options.stepRate);
    // The driver's head as the drive gives it at its start; it counts where the options say.
    const engine::VehicleInput start = drive.at(0.0);
    const engine::Vec3 head{start.pointOfSense[0], start.pointOfSense[1], start.pointOfSense[2]};
    assessment->m_response = cueing::frequencyResponse(tuning, head);
    if (wantsScores)
        assessment->m_scorer = std::make_unique<cueing::CueingScorer>(
            cueing::ScorerSettings::of(config, tuning, options.stepRate, start.pointOfSense));
    return assessment;
}

void Assessment::add(const KEOOutputRecord& record) {
    if (m_scorer)
        m_scorer->add(record);
}

void Assessment::finish(const EnvelopeReport& report, std::FILE* out) const {
    if (m_options.assess)
        std::fputs(assessmentText(scores(), m_response).c_str(), out);
    if (!m_options.reportPath.empty())
        writeFile(m_options.reportPath,
                  reportJson({m_options, m_envelope}, report, scores(), m_response));
    if (!m_options.frequencyResponsePath.empty())
        writeFile(m_options.frequencyResponsePath, frequencyResponseCsv(m_response));
}
