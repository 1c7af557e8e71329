#pragma once
// The string grid's cell store: two-level sparse arrays of pointers, so a
// grid of a million rows costs memory only for the cells that hold text.
// A data row is a TStringSparseList indexed by column whose items are owned
// (text, object) pairs; the grid keeps data rows and its row/column proxies
// in TOwningSparseList.
//
// Indexes: a negative index raises the list-index error; an index at or
// beyond Capacity() raises EListError with the capacity text and changes
// nothing. Reading beyond the written slots (or beyond Capacity()) is nil.

#include "framework/string_list.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zel {

// Leaf size of a sparse array: 16 slots or 256 slots.
enum class TSPAQuantum { spaSmall, spaLarge };

// Pointers by index. A directory of at most 65,535 leaves; a leaf is
// allocated on the first non-nil store into it. Items are not owned.
class TSparsePointerArray {
public:
    explicit TSparsePointerArray(TSPAQuantum quantum);
    ~TSparsePointerArray();
    TSparsePointerArray(const TSparsePointerArray&) = delete;
    TSparsePointerArray& operator=(const TSparsePointerArray&) = delete;

    static int LeafSize(TSPAQuantum quantum);
    // First index that can no longer be stored: 65,535 x leaf size.
    static int Capacity(TSPAQuantum quantum);
    TSPAQuantum Quantum() const { return m_Quantum; }
    int Capacity() const { return Capacity(m_Quantum); }

    // nil for a slot never written, in an absent leaf or past the directory.
    void* Items(int index) const;
    void SetItems(int index, void* item);
    // Highest index holding a non-nil item; -1 when there is none.
    int HighBound() const { return m_HighBound; }

    // Slots index .. HighBound() move up by one; slot `index` becomes nil.
    void InsertSlot(int index);
    // Slots above `index` move down by one; the item at `index` is dropped.
    void DeleteSlot(int index);
    // The item at `curIndex` goes to `newIndex`; those in between shift by one.
    void MoveSlot(int curIndex, int newIndex);
    // Drops every leaf (items are not freed).
    void Clear();

    // Calls fn(index, item) for every non-nil item, lowest index first. fn
    // may store into the array (clearing a row item by item is safe) but
    // must not Clear() it.
    template <typename Fn> void ForAll(Fn&& fn) const;

    // Bytes held by the directory and the leaves.
    std::size_t AllocatedBytes() const;

private:
    using Leaf = std::unique_ptr<void*[]>;

    void CheckIndex(int index) const;
    void*& Slot(int index); // allocates the leaf (and grows the directory)
    void* SlotOrNil(int index) const;
    void StoreRaw(int index, void* item);
    void RecomputeHighBound();
    void ClearCache() const { m_CacheIndex = -1; }

    TSPAQuantum m_Quantum;
    int m_Shift;
    int m_Mask;
    std::vector<Leaf> m_Directory; // never more than 65,535 entries
    int m_HighBound = -1;
    mutable int m_CacheIndex = -1;
    mutable void* m_CacheValue = nullptr;
};

// A sparse array with a count, the way a list is used: Count is
// HighBound() + 1 after a store; Insert and Delete shift the slots above.
class TSparseList {
public:
    explicit TSparseList(TSPAQuantum quantum) : m_Array(quantum) {}

    TSPAQuantum Quantum() const { return m_Array.Quantum(); }
    int Capacity() const { return m_Array.Capacity(); }
    int Count() const { return m_Count; }
    int HighBound() const { return m_Array.HighBound(); }

    void* Items(int index) const { return m_Array.Items(index); }
    void SetItems(int index, void* item);
    // Count becomes max(Count, index) + 1.
    void Insert(int index, void* item);
    // Raises the list-index error unless 0 <= index < Count.
    void Delete(int index);
    // Count grows when the moved slots reach past it.
    void Move(int curIndex, int newIndex);
    void Clear();

    template <typename Fn> void ForAll(Fn&& fn) const { m_Array.ForAll(std::forward<Fn>(fn)); }
    std::size_t AllocatedBytes() const { return m_Array.AllocatedBytes(); }

private:
    TSparsePointerArray m_Array;
    int m_Count = 0;
};

// A sparse list that owns its items: replacing, deleting or clearing an
// item, and destroying the list, delete it.
template <typename Item> class TOwningSparseList {
public:
    explicit TOwningSparseList(TSPAQuantum quantum) : m_List(quantum) {}
    ~TOwningSparseList() { Clear(); }
    TOwningSparseList(const TOwningSparseList&) = delete;
    TOwningSparseList& operator=(const TOwningSparseList&) = delete;

    TSPAQuantum Quantum() const { return m_List.Quantum(); }
    int Capacity() const { return m_List.Capacity(); }
    int Count() const { return m_List.Count(); }
    int HighBound() const { return m_List.HighBound(); }

    // nil when the slot holds no item.
    Item* Items(int index) const { return static_cast<Item*>(m_List.Items(index)); }
    // Stores `item` (nil clears the slot) and deletes the item it replaces.
    void SetItems(int index, std::unique_ptr<Item> item);
    // The item at `index`, made by make() (a std::unique_ptr<Item>) when absent.
    template <typename Make> Item& ItemOrCreate(int index, Make&& make);
    // Takes the item out of the list without deleting it.
    std::unique_ptr<Item> Release(int index);

    void Insert(int index, std::unique_ptr<Item> item);
    void Delete(int index);
    void Move(int curIndex, int newIndex) { m_List.Move(curIndex, newIndex); }
    void Clear();

    // Calls fn(index, Item&) for every item, lowest index first.
    template <typename Fn> void ForAll(Fn&& fn) const {
        m_List.ForAll([&](int index, void* item) { fn(index, *static_cast<Item*>(item)); });
    }
    // Bytes of the list itself, not of its items.
    std::size_t AllocatedBytes() const { return m_List.AllocatedBytes(); }

private:
    TSparseList m_List;
};

// A data row: a string list indexed by column whose items are owned
// (text, object) pairs. An absent item reads as "" and nil; storing "" with
// a nil object removes the pair.
class TStringSparseList : public TStrings {
public:
    explicit TStringSparseList(TSPAQuantum quantum) : m_List(quantum) {}
    ~TStringSparseList() override { Clear(); }
    TStringSparseList(const TStringSparseList&) = delete;
    TStringSparseList& operator=(const TStringSparseList&) = delete;

    TSPAQuantum Quantum() const { return m_List.Quantum(); }
    int Capacity() const { return m_List.Capacity(); }
    int Count() const override { return m_List.Count(); }
    // Whether a pair exists at `index`.
    bool Exists(int index) const { return m_List.Items(index) != nullptr; }

    // Stores text and object at once (removing the pair for "" and nil).
    void SetItem(int index, const std::string& s, void* object);
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Move(int curIndex, int newIndex) { m_List.Move(curIndex, newIndex); }
    // Frees every pair; Count becomes 0.
    void Clear() override;

    // Calls fn(index, text, object) for every existing pair, lowest first.
    template <typename Fn> void ForAll(Fn&& fn) const {
        m_List.ForAll([&](int index, void* item) {
            const auto* pair = static_cast<const Pair*>(item);
            fn(index, pair->first, pair->second);
        });
    }
    // Bytes of the list, its pairs and their texts' heap storage.
    std::size_t AllocatedBytes() const;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;

private:
    using Pair = std::pair<std::string, void*>;

    TSparseList m_List;
};

// ---- template definitions ----

template <typename Fn> void TSparsePointerArray::ForAll(Fn&& fn) const {
    const int leafSize = 1 << m_Shift;
    for (std::size_t leaf = 0; leaf < m_Directory.size(); ++leaf) {
        if (!m_Directory[leaf])
            continue;
        for (int slot = 0; slot < leafSize; ++slot) {
            if (void* item = m_Directory[leaf][slot])
                fn(static_cast<int>(leaf << m_Shift) + slot, item);
        }
    }
}

template <typename Item>
void TOwningSparseList<Item>::SetItems(int index, std::unique_ptr<Item> item) {
    std::unique_ptr<Item> old(Items(index));
    if (old && old == item) {
        (void)old.release(); // storing the item it already holds
        (void)item.release();
        return;
    }
    try {
        m_List.SetItems(index, item.get());
    } catch (...) {
        (void)old.release(); // still in the list
        throw;
    }
    (void)item.release();
}

template <typename Item>
template <typename Make>
Item& TOwningSparseList<Item>::ItemOrCreate(int index, Make&& make) {
    if (Item* item = Items(index))
        return *item;
    std::unique_ptr<Item> made = make();
    Item& result = *made;
    SetItems(index, std::move(made));
    return result;
}

template <typename Item> std::unique_ptr<Item> TOwningSparseList<Item>::Release(int index) {
    Item* item = Items(index);
    if (item)
        m_List.SetItems(index, nullptr);
    return std::unique_ptr<Item>(item);
}

template <typename Item>
void TOwningSparseList<Item>::Insert(int index, std::unique_ptr<Item> item) {
    m_List.Insert(index, item.get());
    (void)item.release();
}

template <typename Item> void TOwningSparseList<Item>::Delete(int index) {
    std::unique_ptr<Item> old(Items(index));
    try {
        m_List.Delete(index);
    } catch (...) {
        (void)old.release(); // still in the list
        throw;
    }
}

template <typename Item> void TOwningSparseList<Item>::Clear() {
    m_List.ForAll([](int, void* item) { delete static_cast<Item*>(item); });
    m_List.Clear();
}

} // namespace zel
