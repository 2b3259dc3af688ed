#include "Locks.h"

struct CriticalSectionLock::Section {
    std::recursive_mutex mutex;
};

CriticalSectionLock::CriticalSectionLock()
    : m_section(std::make_unique<Section>()) {}

CriticalSectionLock::~CriticalSectionLock() = default;

void CriticalSectionLock::lock() {
    m_section->mutex.lock();
}

void CriticalSectionLock::unlock() {
    m_section->mutex.unlock();
}

bool CriticalSectionLock::tryLock() {
    return m_section->mutex.try_lock();
}
