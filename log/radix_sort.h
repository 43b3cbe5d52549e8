#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

// Sorts `items` by the bits of `key(item)` (an unsigned or non-negative
// integer) from `lowBit` up to `highBit`, kDigitBits at a time from the
// lowest: equal keys keep their order, and a million items cost a few passes
// over them. With eleven bits a pass, a pass's counts fit the processor's
// nearest cache.
template <int kDigitBits, typename Item, typename Key>
void radixSort(std::vector<Item>& items, Key key, int lowBit, int highBit) {
    constexpr size_t kDigits = size_t{1} << kDigitBits;
    std::vector<Item> sorted(items.size());
    for (int shift = lowBit; shift < highBit; shift += kDigitBits) {
        const auto digitOf = [&key, shift](const Item& item) {
            return static_cast<size_t>(key(item) >> shift) & (kDigits - 1);
        };
        std::array<size_t, kDigits> starts{};
        for (const Item& item : items) {
            ++starts[digitOf(item)];
        }
        size_t start = 0;
        for (size_t& bucket : starts) {
            start += std::exchange(bucket, start);
        }
        for (const Item& item : items) {
            sorted[starts[digitOf(item)]++] = item;
        }
        items.swap(sorted);
    }
}
