#pragma once

#include <atomic>
#include <memory>

// Passes values from one thread (the sender, here the GUI thread) to another (the receiver, the
// delivery thread) by pointer swaps alone: the receiver never allocates, frees or waits. A value
// the receiver no longer needs goes back to the sender, which frees it on its next send or at
// destruction. Sending again before the receiver looked replaces the unseen value.
template <class T> class HandOver {
public:
    HandOver() = default;
    HandOver(const HandOver&) = delete;
    HandOver& operator=(const HandOver&) = delete;

    // Frees everything; neither side may use the hand-over any more.
    ~HandOver() {
        std::unique_ptr<Box> unseen(m_pending.exchange(nullptr));
        std::unique_ptr<Box> current(m_current);
        freeReturned();
    }

    // Sender side.
    void send(T value) {
        freeReturned();
        auto box = std::make_unique<Box>(Box{std::move(value), nullptr});
        std::unique_ptr<Box> unseen(m_pending.exchange(box.release()));
    }

    // Receiver side: the newest value sent since the last call, or null. The value stays valid
    // and the receiver's until a later call returns another one.
    T* receive() {
        Box* box = m_pending.exchange(nullptr);
        if (!box)
            return nullptr;
        if (m_current)
            giveBack(m_current);
        m_current = box;
        return &box->value;
    }

private:
    struct Box {
        T value;
        Box* next;
    };

    // A lock-free stack: pushed by the receiver, emptied at once by the sender, so no node is
    // ever taken out while another push looks at it.
    void giveBack(Box* box) {
        box->next = m_returned.load(std::memory_order_relaxed);
        while (!m_returned.compare_exchange_weak(box->next, box, std::memory_order_release,
                                                 std::memory_order_relaxed)) {
        }
    }

    void freeReturned() {
        Box* box = m_returned.exchange(nullptr, std::memory_order_acquire);
        while (box) {
            std::unique_ptr<Box> done(box);
            box = box->next;
        }
    }

    std::atomic<Box*> m_pending{nullptr};
    std::atomic<Box*> m_returned{nullptr};
    Box* m_current = nullptr; // the receiver's
};
