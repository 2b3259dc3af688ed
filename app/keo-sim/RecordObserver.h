#pragma once

#include "KEOUI64/OutputRecord.h"

#include <initializer_list>
#include <vector>

// Hears every record of a simulated drive, in order (keo-sim's analyses beside the report).
class RecordObserver {
public:
    virtual ~RecordObserver() = default;
    virtual void add(const KEOOutputRecord& record) = 0;
};

// Hands every record on to each of several observers, in order; null ones are left out.
class RecordObservers : public RecordObserver {
public:
    RecordObservers(std::initializer_list<RecordObserver*> observers) {
        for (RecordObserver* observer : observers)
            if (observer)
                m_observers.push_back(observer);
    }
    void add(const KEOOutputRecord& record) override {
        for (RecordObserver* observer : m_observers)
            observer->add(record);
    }

private:
    std::vector<RecordObserver*> m_observers;
};
