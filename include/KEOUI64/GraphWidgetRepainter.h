#pragma once

#include "IRepaintable.h"

#include <QObject>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace JVX {

// The host's list of graphs to repaint. The editor registers every graph item here; the host
// walks the list on the GUI thread about 30 times a second (forEachGraph), calls repaint(), and
// calls setFrozen on every graph when the frozen state has changed. Entries whose owner object is
// gone are skipped and pruned. Header-only, so host and library agree on it whatever compiler built
// either.
class GraphWidgetRepainter : public QObject {
public:
    explicit GraphWidgetRepainter(QObject* parent = nullptr)
        : QObject(parent) {}

    // False when either pointer is null.
    bool registerRepaintable(IRepaintable* repaintable, QObject* owner) {
        if (!repaintable || !owner)
            return false;
        pruneGoneOwners();
        m_entries.push_back({repaintable, owner});
        return true;
    }

    // Calls f(IRepaintable&) for every registered graph whose owner still exists.
    template <class F> void forEachGraph(F&& f) const {
        for (const Entry& entry : m_entries)
            if (entry.owner)
                f(*entry.repaintable);
    }

    std::size_t size() const { return m_entries.size(); }

    // Inverts the frozen state and remembers when; the host passes it on to the graphs.
    void toggleFreeze() {
        m_frozen = !m_frozen;
        m_freezeTime = std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }

    bool isFrozen() const { return m_frozen; }
    std::uint64_t freezeTime() const { return m_freezeTime; }

private:
    struct Entry {
        IRepaintable* repaintable;
        QPointer<QObject> owner;
    };

    void pruneGoneOwners() {
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [](const Entry& entry) { return entry.owner.isNull(); }),
                        m_entries.end());
    }

    std::vector<Entry> m_entries;
    std::uint64_t m_freezeTime = 0;
    bool m_frozen = false;
};

} // namespace JVX
