#pragma once

#include "Evaluation.h"
#include "Parameters.h"
#include "Problem.h"

#include <atomic>
#include <mutex>
#include <vector>

// The search's pieces below tune(): the space of chosen parameters as a unit cube, its points
// judged, and the two phases that walk it with NLopt. Internal to src/tune.
namespace tune::search {

// A point of the cube judged on every drive.
struct Candidate {
    std::vector<double> x;
    double cost = 0.0;
    double violation = 0.0;
    bool judged = false;

    // Fits the platform better, or as well (not at all / fully) and costs less.
    bool betterThan(const Candidate& other) const;
};

// The chosen parameters of a problem as a unit cube. judge() may run on several threads at once.
class Space {
public:
    Space(const Problem& problem, std::vector<const Parameter*> parameters,
          const std::atomic<bool>& stop);

    int dimensions() const { return int(m_parameters.size()); }
    // The problem's own values (clamped into the tuning ranges).
    const std::vector<double>& start() const { return m_start; }
    // problem.config with the chosen members of the set at `x`; a coordinate equal to the
    // start's keeps the stored value exactly.
    Config configAt(const std::vector<double>& x) const;
    // The start judged already (every island of the global phase begins with it): judge() gives
    // it back without running the drives again.
    void knowStart(const Candidate& judged) { m_startJudged = judged; }
    // Throws nlopt::forced_stop once the stop flag is set (cancel or budget).
    Candidate judge(const std::vector<double>& x);

    // What a platform at rest costs at most: the sum of the channels' weights.
    double restCost() const;

    int evaluations() const { return m_evaluations.load(); }
    Candidate bestSoFar() const;

private:
    const Problem& m_problem;
    std::vector<const Parameter*> m_parameters;
    std::vector<double> m_start;
    Candidate m_startJudged;
    const std::atomic<bool>& m_stop;
    std::atomic<int> m_evaluations{0};
    mutable std::mutex m_bestLock; // for progress reports only: the result does not read it
    Candidate m_best;
};

// One island of the global phase: NLopt's controlled random search (GN_CRS2_LM) over the cube,
// the start among its first population, constraints as a penalty, its own random stream.
Candidate globalSearch(Space& space, unsigned seed, int island, int maxEvaluations);

// The local phase from one point: NLopt's COBYLA, the constraints as its own.
Candidate localRefinement(Space& space, const Candidate& from, int maxEvaluations);

} // namespace tune::search
