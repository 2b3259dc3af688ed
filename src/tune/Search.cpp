#include "Search.h"

#include "Scale.h"

#include <nlopt.hpp>

namespace tune::search {

namespace {

// In the global phase a configuration that does not fit the platform pays what a platform at rest
// costs (every weighted channel's ratio 1: their weights' sum, which a configuration with every
// path off gets while fitting), so that it ranks behind nearly every one that fits, and more
// the further it is off: 1 % of a drive at a limit costs as much as ten channels with no motion.
constexpr double penaltyPerViolation = 1000.0;

// COBYLA's first step, as a share of each parameter's range, and its end.
constexpr double localFirstStep = 0.1;
constexpr double localTolerance = 1e-3;

struct Walk {
    Space& space;
    Candidate best;
    Candidate last; // the newest point judged

    Candidate take(const double* x, int n) {
        Candidate judged = space.judge(std::vector<double>(x, x + n));
        if (!best.judged || judged.betterThan(best))
            best = judged;
        last = judged;
        return judged;
    }
};

double penalised(unsigned n, const double* x, double*, void* data) {
    auto* walk = static_cast<Walk*>(data);
    const Candidate judged = walk->take(x, int(n));
    if (judged.violation <= 0.0)
        return judged.cost;
    return judged.cost + walk->space.restCost() + penaltyPerViolation * judged.violation;
}

double costOnly(unsigned n, const double* x, double*, void* data) {
    return static_cast<Walk*>(data)->take(x, int(n)).cost;
}

// COBYLA asks for the objective and then the constraint at the same point: the walk's last
// point answers the second question without a second evaluation.
double violationOnly(unsigned n, const double* x, double*, void* data) {
    auto* walk = static_cast<Walk*>(data);
    if (walk->last.x != std::vector<double>(x, x + n))
        walk->take(x, int(n));
    return walk->last.violation;
}

void optimise(nlopt::opt& opt, std::vector<double> x) {
    double value = 0.0;
    try {
        opt.optimize(x, value);
    } catch (const nlopt::roundoff_limited&) {
        // The best point found so far stands.
    }
}

} // namespace

bool Candidate::betterThan(const Candidate& other) const {
    if (violation > 0.0 || other.violation > 0.0)
        return violation < other.violation || (violation == other.violation && cost < other.cost);
    return cost < other.cost;
}

Space::Space(const Problem& problem, std::vector<const Parameter*> parameters,
             const std::atomic<bool>& stop)
    : m_problem(problem)
    , m_parameters(std::move(parameters))
    , m_stop(stop) {
    for (const Parameter* parameter : m_parameters)
        m_start.push_back(
            Scale(*parameter).coordinate(parameter->value(problem.config, problem.paramSet)));
}

double Space::restCost() const {
    double sum = 0.0;
    for (const double weight : m_problem.weights.channels)
        sum += weight;
    return sum;
}

Config Space::configAt(const std::vector<double>& x) const {
    Config config = m_problem.config;
    for (std::size_t i = 0; i < m_parameters.size(); ++i)
        if (x[i] != m_start[i])
            m_parameters[i]->setValue(config, m_problem.paramSet,
                                      float(Scale(*m_parameters[i]).value(x[i])));
    return config;
}

Candidate Space::judge(const std::vector<double>& x) {
    if (m_stop.load())
        throw nlopt::forced_stop();
    if (m_startJudged.judged && x == m_start)
        return m_startJudged;
    const Evaluation evaluation = evaluate(m_problem, configAt(x), &m_stop);
    if (evaluation.cancelled)
        throw nlopt::forced_stop();
    ++m_evaluations;
    Candidate judged{x, evaluation.cost, evaluation.violation, true};
    std::lock_guard<std::mutex> lock(m_bestLock);
    if (!m_best.judged || judged.betterThan(m_best))
        m_best = judged;
    return judged;
}

Candidate Space::bestSoFar() const {
    std::lock_guard<std::mutex> lock(m_bestLock);
    return m_best;
}

Candidate globalSearch(Space& space, unsigned seed, int island, int maxEvaluations) {
    const unsigned n = unsigned(space.dimensions());
    Walk walk{space, {}, {}};
    if (maxEvaluations <= 0)
        return walk.best;
    // NLopt's random numbers are per thread: each island seeds its own stream where it runs.
    nlopt::srand(static_cast<unsigned long>(seed) * 1000003ul + unsigned(island));
    nlopt::opt opt(nlopt::GN_CRS2_LM, n);
    opt.set_lower_bounds(std::vector<double>(n, 0.0));
    opt.set_upper_bounds(std::vector<double>(n, 1.0));
    opt.set_population(2 * (n + 1));
    opt.set_min_objective(penalised, &walk);
    opt.set_maxeval(maxEvaluations);
    optimise(opt, space.start());
    return walk.best;
}

Candidate localRefinement(Space& space, const Candidate& from, int maxEvaluations) {
    const unsigned n = unsigned(space.dimensions());
    Walk walk{space, from, {}};
    if (maxEvaluations <= 0)
        return walk.best;
    nlopt::opt opt(nlopt::LN_COBYLA, n);
    opt.set_lower_bounds(std::vector<double>(n, 0.0));
    opt.set_upper_bounds(std::vector<double>(n, 1.0));
    opt.set_min_objective(costOnly, &walk);
    opt.add_inequality_constraint(violationOnly, &walk, 0.0);
    opt.set_initial_step(localFirstStep);
    opt.set_xtol_rel(localTolerance);
    opt.set_maxeval(maxEvaluations);
    optimise(opt, from.x);
    return walk.best;
}

} // namespace tune::search
