#include "Tuner.h"

#include "Search.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <nlopt.hpp>
#include <set>
#include <thread>

namespace tune {

namespace {

using Clock = std::chrono::steady_clock;

// Independent searches per phase: the parallelism each phase can use, the same on every machine so
// that the result does not depend on the number of cores. The local phase refines the best points
// of the first `localStarts` islands' (in order of their quality), each with a budget big enough
// for COBYLA, which spends n + 1 evaluations on its first simplex.
constexpr int islands = 4;
constexpr int localStarts = 2;
// The share of the evaluations spent on the global phase; the rest refines.
constexpr double globalShare = 0.5;
constexpr auto progressInterval = std::chrono::milliseconds(100);

std::vector<const Parameter*> chosenParameters(const Problem& problem) {
    std::vector<const Parameter*> chosen;
    std::set<std::string> seen;
    for (const std::string& name : parametersOf(problem)) {
        const Parameter* parameter = findParameter(name);
        if (!parameter)
            throw ProblemError("no tunable parameter is named \"" + name + "\"");
        if (!seen.insert(name).second)
            throw ProblemError("the parameter \"" + name + "\" is chosen twice");
        chosen.push_back(parameter);
    }
    return chosen;
}

// Runs tasks 0..count-1 on up to `threads` worker threads; the calling thread meanwhile wakes
// every progressInterval to call `watch`. Each task writes only its own result, so the outcome
// does not depend on which thread ran which task. A task's exception (the first, in task order)
// is thrown again here once every worker has ended.
template <class Task, class Watch>
void runTasks(int count, int threads, Task&& task, Watch&& watch) {
    std::atomic<int> next{0};
    std::mutex lock;
    std::condition_variable finished;
    std::vector<std::exception_ptr> failures(std::size_t(std::max(0, count)));
    const int workerCount = std::max(1, std::min(count, threads));
    int running = workerCount;
    std::vector<std::thread> workers;
    for (int t = 0; t < workerCount; ++t)
        workers.emplace_back([&] {
            for (int i = next++; i < count; i = next++) {
                try {
                    task(i);
                } catch (...) {
                    failures[std::size_t(i)] = std::current_exception();
                }
            }
            std::lock_guard<std::mutex> guard(lock);
            --running;
            finished.notify_one();
        });
    std::unique_lock<std::mutex> guard(lock);
    while (!finished.wait_for(guard, progressInterval, [&] { return running == 0; })) {
        guard.unlock();
        watch();
        guard.lock();
    }
    guard.unlock();
    for (std::thread& worker : workers)
        worker.join();
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
}

int threadCount(const Problem& problem) {
    if (problem.threads > 0)
        return problem.threads;
    return std::max(1, int(std::thread::hardware_concurrency()));
}

std::vector<ParameterChange> changesBetween(const Problem& problem,
                                            const std::vector<const Parameter*>& parameters,
                                            const Config& tuned) {
    std::vector<ParameterChange> changes;
    for (const Parameter* parameter : parameters) {
        const float before = parameter->value(problem.config, problem.paramSet);
        const float after = parameter->value(tuned, problem.paramSet);
        if (before != after)
            changes.push_back({parameter->name, before, after});
    }
    return changes;
}

// Watches the clock and the cancel flag for the workers, and reports progress.
class Supervisor {
public:
    Supervisor(const Problem& problem, const ProgressCallback& progress,
               const std::atomic<bool>& cancel, int evaluationLimit)
        : m_progress(progress)
        , m_cancel(cancel)
        , m_started(Clock::now())
        , m_deadline(m_started + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(problem.budgetSeconds)))
        , m_limit(evaluationLimit) {}

    const std::atomic<bool>& stopFlag() const { return m_stop; }

    void watch(const search::Space& space, const char* phase) {
        if (m_cancel.load())
            m_stop = true;
        if (Clock::now() >= m_deadline && !m_stop.exchange(true))
            m_budgetRanOut = true;
        if (!m_progress)
            return;
        const search::Candidate best = space.bestSoFar();
        m_progress(Progress{space.evaluations(), m_limit, phase, best.cost, best.violation});
    }

    Stop stop() const {
        if (m_cancel.load())
            return Stop::Cancelled;
        return m_budgetRanOut ? Stop::Budget : Stop::Finished;
    }
    bool stopped() const { return m_stop.load(); }
    double seconds() const {
        return std::chrono::duration<double>(Clock::now() - m_started).count();
    }

private:
    const ProgressCallback& m_progress;
    const std::atomic<bool>& m_cancel;
    Clock::time_point m_started, m_deadline;
    int m_limit;
    std::atomic<bool> m_stop{false};
    bool m_budgetRanOut = false;
};

// Both phases, `islands` searches each; the best point of all, ties to the earlier search.
search::Candidate searchSpace(const Problem& problem, search::Space& space, Supervisor& supervisor,
                              int evaluationLimit) {
    const int globalEach = int(evaluationLimit * globalShare) / islands;
    const int localEach = (evaluationLimit - globalEach * islands) / localStarts;
    const int threads = threadCount(problem);
    std::vector<search::Candidate> found(islands);
    auto guarded = [&](auto&& step) {
        try {
            step();
        } catch (const nlopt::forced_stop&) {
        }
    };
    runTasks(
        islands, threads,
        [&](int i) {
            guarded([&] { found[i] = search::globalSearch(space, problem.seed, i, globalEach); });
        },
        [&] { supervisor.watch(space, "global search"); });
    // Best first; equal ones keep the islands' order.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.judged && (!b.judged || a.betterThan(b));
    });
    runTasks(
        localStarts, threads,
        [&](int i) {
            if (found[i].judged)
                guarded([&] { found[i] = search::localRefinement(space, found[i], localEach); });
        },
        [&] { supervisor.watch(space, "local refinement"); });
    search::Candidate best;
    for (const search::Candidate& candidate : found)
        if (candidate.judged && (!best.judged || candidate.betterThan(best)))
            best = candidate;
    return best;
}

} // namespace

Result tune(const Problem& problem, const ProgressCallback& progress,
            const std::atomic<bool>& cancel) {
    if (problem.drives.empty())
        throw ProblemError("no drive to tune on");
    const std::vector<const Parameter*> parameters = chosenParameters(problem);
    const int limit = evaluationLimitOf(problem);
    Supervisor supervisor(problem, progress, cancel, limit);
    search::Space space(problem, parameters, supervisor.stopFlag());

    Result result;
    result.config = problem.config;
    result.before = evaluate(problem, problem.config, &cancel);
    search::Candidate start{space.start(), result.before.cost, result.before.violation, true};
    space.knowStart(start);
    search::Candidate best;
    if (!result.before.cancelled && !parameters.empty())
        best = searchSpace(problem, space, supervisor, limit);
    result.evaluations = space.evaluations();
    result.stop = supervisor.stop();
    const bool improved = result.stop != Stop::Cancelled && best.judged && best.betterThan(start);
    if (improved)
        result.config = space.configAt(best.x);
    result.after = improved ? evaluate(problem, result.config) : result.before;
    result.changes = changesBetween(problem, parameters, result.config);
    result.seconds = supervisor.seconds();
    supervisor.watch(space, "done");
    return result;
}

} // namespace tune
