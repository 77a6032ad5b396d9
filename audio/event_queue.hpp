#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// A fixed ring handing items from one thread to one other without locks:
// the game's pass pushes, the sound callback pops. Full, a push is refused;
// the item is lost rather than anyone waiting.
template <typename Item, std::uint32_t capacity>
struct EventQueue {
    static_assert((capacity & (capacity - 1)) == 0, "a power of two, so the counters may wrap");
    std::array<Item, capacity> items{};
    std::atomic<std::uint32_t> head{0};  // next to pop; written by the consumer only
    std::atomic<std::uint32_t> tail{0};  // next to push; written by the producer only
};

template <typename Item, std::uint32_t capacity>
bool pushEvent(EventQueue<Item, capacity>& queue, const Item& item) {
    const std::uint32_t tail = queue.tail.load(std::memory_order_relaxed);
    if (tail - queue.head.load(std::memory_order_acquire) == capacity) {
        return false;
    }
    queue.items[tail % capacity] = item;
    queue.tail.store(tail + 1, std::memory_order_release);
    return true;
}

template <typename Item, std::uint32_t capacity>
bool popEvent(EventQueue<Item, capacity>& queue, Item& item) {
    const std::uint32_t head = queue.head.load(std::memory_order_relaxed);
    if (head == queue.tail.load(std::memory_order_acquire)) {
        return false;
    }
    item = queue.items[head % capacity];
    queue.head.store(head + 1, std::memory_order_release);
    return true;
}
