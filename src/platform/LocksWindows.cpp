#include "Locks.h"

#include <windows.h>

struct CriticalSectionLock::Section {
    Section() { ::InitializeCriticalSection(&section); }
    ~Section() { ::DeleteCriticalSection(&section); }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    CRITICAL_SECTION section;
};

CriticalSectionLock::CriticalSectionLock()
    : m_section(std::make_unique<Section>()) {}

CriticalSectionLock::~CriticalSectionLock() = default;

void CriticalSectionLock::lock() {
    ::EnterCriticalSection(&m_section->section);
}

void CriticalSectionLock::unlock() {
    ::LeaveCriticalSection(&m_section->section);
}

bool CriticalSectionLock::tryLock() {
    return ::TryEnterCriticalSection(&m_section->section) != FALSE;
}
