#include "selection/same_qsos.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <future>

#include "log/qso_log.h"
#include "log/radix_sort.h"

namespace {

// A record's values lie one after another in its log's memory (QsoRecord keeps
// only where each ends): one view covers them all.
QByteArrayView allValues(const QsoRecord& record) {
    const QByteArrayView first = record.value(static_cast<QsoField>(0));
    const QByteArrayView last = record.value(static_cast<QsoField>(kQsoFieldCount - 1));
    return QByteArrayView(first.data(), last.data() + last.size() - first.data());
}

bool sameSizes(const QsoRecord& a, const QsoRecord& b) {
    for (int field = 0; field < kQsoFieldCount; ++field) {
        if (a.value(static_cast<QsoField>(field)).size() !=
            b.value(static_cast<QsoField>(field)).size()) {
            return false;
        }
    }
    return true;
}

// The same sizes and the same bytes.
bool sameQso(const QsoRecord& a, const QsoRecord& b) {
    return sameSizes(a, b) && allValues(a) == allValues(b);
}

quint64 mix(quint64 hash, quint64 word) {
    hash ^= word * 0x9E3779B97F4A7C15ULL;
    hash = (hash << 27) | (hash >> 37);
    return hash * 0xC2B2AE3D27D4EB4FULL;
}

// Equal for records with the same values. The sizes count a byte each, so that
// values that only split differently seldom meet; the bytes go eight at a time.
quint32 hashOfQso(const QsoRecord& record) {
    std::array<quint64, (kQsoFieldCount + 7) / 8> sizes{};
    for (int field = 0; field < kQsoFieldCount; ++field) {
        const auto size = static_cast<quint64>(record.value(static_cast<QsoField>(field)).size());
        sizes[static_cast<size_t>(field / 8)] |= (size & 0xFF) << (8 * (field % 8));
    }
    const QByteArrayView values = allValues(record);
    quint64 hash = static_cast<quint64>(values.size());
    for (const quint64 word : sizes) {
        hash = mix(hash, word);
    }
    const char* at = values.data();
    qsizetype left = values.size();
    for (; left >= 8; left -= 8, at += 8) {
        quint64 word;
        std::memcpy(&word, at, 8);
        hash = mix(hash, word);
    }
    if (left > 0) {
        quint64 word = 0;
        std::memcpy(&word, at, static_cast<size_t>(left));
        hash = mix(hash, word);
    }
    return static_cast<quint32>(hash >> 32);
}

// A QSO's hash in the high half, its index in its list in the low half.
using Keyed = quint64;

quint32 hashOf(Keyed key) {
    return static_cast<quint32>(key >> 32);
}

quint32 indexOf(Keyed key) {
    return static_cast<quint32>(key);
}

Keyed keyed(quint32 hash, size_t index) {
    return (static_cast<quint64>(hash) << 32) | static_cast<quint32>(index);
}

// By hash; equal hashes in the order of their indexes.
void sortByHash(std::vector<Keyed>& keys) {
    radixSort<8>(
        keys, [](Keyed key) { return key; }, 32, 64);
}

// The held QSOs in the order they lie in memory, so that reading them all
// goes forward through each log instead of jumping about (a print list is in
// callsign order). Which held copy of a QSO takes which copy of the log does
// not change what is marked.
QsoRecords inMemoryOrder(const QsoRecords& held) {
    const auto address = [](const QsoRecord* record) { return reinterpret_cast<quintptr>(record); };
    const auto [lowest, highest] = std::minmax_element(
        held.begin(), held.end(),
        [&address](const QsoRecord* a, const QsoRecord* b) { return address(a) < address(b); });
    const quintptr base = address(*lowest);
    int digits = 0;
    for (quint64 span = address(*highest) - base; span != 0; span >>= 8) {
        ++digits;
    }
    std::vector<quint64> offsets;
    offsets.reserve(held.size());
    for (const QsoRecord* record : held) {
        offsets.push_back(address(record) - base);
    }
    radixSort<8>(
        offsets, [](quint64 offset) { return offset; }, 0, 8 * digits);
    QsoRecords sorted;
    sorted.reserve(held.size());
    for (const quint64 offset : offsets) {
        sorted.push_back(reinterpret_cast<const QsoRecord*>(base + offset));
    }
    return sorted;
}

size_t endOfRun(const std::vector<Keyed>& keys, size_t from) {
    size_t end = from;
    while (end < keys.size() && hashOf(keys[end]) == hashOf(keys[from])) {
        ++end;
    }
    return end;
}

// The held QSOs and the log's QSOs of one hash, when there are several on
// either side: copies of one QSO, or different QSOs whose hashes meet. Each
// held QSO takes the first copy not marked.
void matchRun(const QsoRecords& held, const QsoLog& log, const Keyed* heldRun, const Keyed* heldEnd,
              const Keyed* logRun, const Keyed* logEnd, std::vector<bool>& marked) {
    // A QSO the log holds many times makes a long run: start after the
    // copies already taken, so that the run costs its length, not its square.
    const Keyed* firstFree = logRun;
    for (; heldRun < heldEnd; ++heldRun) {
        while (firstFree < logEnd && marked[indexOf(*firstFree)]) {
            ++firstFree;
        }
        const QsoRecord& wanted = *held[indexOf(*heldRun)];
        for (const Keyed* candidate = firstFree; candidate < logEnd; ++candidate) {
            const quint32 at = indexOf(*candidate);
            if (!marked[at] && sameQso(wanted, log.at(static_cast<int>(at)))) {
                marked[at] = true;
                break;
            }
        }
    }
}

// The held QSOs, hashed in the order they lie in memory.
struct HeldKeys {
    QsoRecords held;
    std::vector<Keyed> keys;  // by hash, indexes in `held`
};

HeldKeys heldByHash(const QsoRecords& unordered) {
    HeldKeys result{inMemoryOrder(unordered), {}};
    result.keys.reserve(result.held.size());
    for (size_t i = 0; i < result.held.size(); ++i) {
        result.keys.push_back(keyed(hashOfQso(*result.held[i]), i));
    }
    sortByHash(result.keys);
    return result;
}

std::vector<Keyed> unmarkedByHash(const QsoLog& log, const std::vector<bool>& marked) {
    std::vector<Keyed> keys;
    keys.reserve(static_cast<size_t>(log.count()));
    for (int i = 0; i < log.count(); ++i) {
        if (!marked[static_cast<size_t>(i)]) {
            keys.push_back(keyed(hashOfQso(log.at(i)), static_cast<size_t>(i)));
        }
    }
    sortByHash(keys);
    return keys;
}

// Both sides sorted by hash meet in one pass. A hash with one QSO on each side
// gives a pair, the held QSO returned at the place of the log's, to be
// compared later; a hash with several on either side is matched at once.
std::vector<const QsoRecord*> pairsByHash(const HeldKeys& held, const QsoLog& log,
                                          const std::vector<Keyed>& logKeys,
                                          std::vector<bool>& marked) {
    std::vector<const QsoRecord*> partner(static_cast<size_t>(log.count()), nullptr);
    size_t h = 0;
    size_t l = 0;
    while (h < held.keys.size() && l < logKeys.size()) {
        if (hashOf(held.keys[h]) != hashOf(logKeys[l])) {
            (hashOf(held.keys[h]) < hashOf(logKeys[l]) ? h : l) += 1;
            continue;
        }
        const size_t heldEnd = endOfRun(held.keys, h);
        const size_t logEnd = endOfRun(logKeys, l);
        if (heldEnd - h == 1 && logEnd - l == 1) {
            partner[indexOf(logKeys[l])] = held.held[indexOf(held.keys[h])];
        } else {
            matchRun(held.held, log, &held.keys[h], held.keys.data() + heldEnd, &logKeys[l],
                     logKeys.data() + logEnd, marked);
        }
        h = heldEnd;
        l = logEnd;
    }
    return partner;
}

}  // namespace

namespace SameQsos {

void mark(const QsoRecords& held, const QsoLog& log, std::vector<bool>& marked) {
    if (held.empty()) {
        return;
    }
    // The two sides are hashed at the same time, the held ones on a worker
    // thread; without a thread to be had, they are hashed here when asked for.
    std::future<HeldKeys> heldSide = std::async(std::launch::async | std::launch::deferred,
                                                [&held] { return heldByHash(held); });
    const std::vector<Keyed> logKeys = unmarkedByHash(log, marked);
    const std::vector<const QsoRecord*> partner = pairsByHash(heldSide.get(), log, logKeys, marked);
    // The pairs compared in file order, where the log's records lie one after
    // another in memory (and, in a log read again, the held ones mostly too).
    for (size_t i = 0; i < partner.size(); ++i) {
        if (partner[i] != nullptr && sameQso(*partner[i], log.at(static_cast<int>(i)))) {
            marked[i] = true;
        }
    }
}

}  // namespace SameQsos
