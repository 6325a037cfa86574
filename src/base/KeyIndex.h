#pragma once

#include "DataError.h"
#include "Translate.h"

#include <QByteArrayView>
#include <QHashFunctions>

#include <bit>
#include <limits>
#include <vector>

// A hash index of byte keys that are kept elsewhere: it holds each key's hash and a number the
// caller gives it, and asks keyOf(number) for the key itself when two hashes are equal. The
// first number stored for a key stays, which is the "first line wins" rule of the data files.
// Open addressing, at most half full; the seed is the process-wide one of QHash, so a file
// cannot be made to collide on purpose.
class TKeyIndex
{
public:
    // Forgets every key and makes room for about expected keys.
    void Reset(size_t expected)
    {
        Slots.assign(std::bit_ceil(std::max<size_t>(expected, 8) * 2), TSlot{});
        Count = 0;
    }

    // The number stored for key; -1 when there is none.
    template <typename TKeyOf> qsizetype Find(QByteArrayView key, TKeyOf&& keyOf) const
    {
        if (Slots.empty())
            return -1;
        const TSlot& slot = Slots[SlotOf(key, Hash(key), keyOf)];
        return slot.Entry == 0 ? -1 : static_cast<qsizetype>(slot.Entry - 1);
    }

    // Stores number for key unless the key is stored already; returns the stored number.
    template <typename TKeyOf>
    qsizetype Insert(QByteArrayView key, qsizetype number, TKeyOf&& keyOf)
    {
        return Insert(key, Hash(key), number, keyOf);
    }

    // The same with the key's Hash: a caller that inserts many keys can compute hashes ahead
    // and Prefetch their slots, so that the cache misses of a large index overlap.
    template <typename TKeyOf>
    qsizetype Insert(QByteArrayView key, quint32 hash, qsizetype number, TKeyOf&& keyOf)
    {
        if (Slots.empty())
            Reset(0);
        size_t at = SlotOf(key, hash, keyOf);
        if (Slots[at].Entry != 0)
            return static_cast<qsizetype>(Slots[at].Entry - 1);
        if (number < 0 || number >= qsizetype(std::numeric_limits<quint32>::max()))
            throw TDataError(Tr("KeyIndex", "The file holds more entries than can be indexed."));
        if ((Count + 1) * 2 > Slots.size()) {
            Grow();
            at = SlotOf(key, hash, keyOf);
        }
        Slots[at] = TSlot{hash, static_cast<quint32>(number + 1)};
        ++Count;
        return number;
    }

    quint32 Hash(QByteArrayView key) const
    {
        const size_t hash = qHash(key, Seed);
        return static_cast<quint32>(hash ^ (static_cast<quint64>(hash) >> 32));
    }

    void Prefetch(quint32 hash) const
    {
#if defined(__GNUC__)
        if (!Slots.empty())
            __builtin_prefetch(&Slots[hash & (Slots.size() - 1)]);
#else
        Q_UNUSED(hash);
#endif
    }

    size_t Size() const
    {
        return Count;
    }

private:
    struct TSlot {
        quint32 Hash = 0;
        quint32 Entry = 0; // the stored number + 1; 0 for a free slot
    };

    // The slot that holds key, or the free slot where it belongs.
    template <typename TKeyOf> size_t SlotOf(QByteArrayView key, quint32 hash, TKeyOf& keyOf) const
    {
        const size_t mask = Slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const TSlot& slot = Slots[i];
            if (slot.Entry == 0 ||
                (slot.Hash == hash && keyOf(static_cast<qsizetype>(slot.Entry - 1)) == key))
                return i;
        }
    }

    void Grow()
    {
        std::vector<TSlot> old(Slots.size() * 2);
        old.swap(Slots);
        const size_t mask = Slots.size() - 1;
        for (const TSlot& slot : old) {
            if (slot.Entry == 0)
                continue;
            size_t i = slot.Hash & mask;
            while (Slots[i].Entry != 0)
                i = (i + 1) & mask;
            Slots[i] = slot;
        }
    }

    std::vector<TSlot> Slots;
    size_t Count = 0;
    size_t Seed = QHashSeed::globalSeed();
};
