#include "grid/core/sparse_list.h"

#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"

#include <algorithm>

namespace zel {

namespace {

// The directory's entry count is 16 bits wide.
constexpr int kMaxLeaves = 65535;

[[noreturn]] void RaiseCapacityError(int index) {
    throw EListError(Fmt(msg::kSparseListCapacityError, {static_cast<std::int64_t>(index)}));
}

} // namespace

// ---- TSparsePointerArray ----

TSparsePointerArray::TSparsePointerArray(TSPAQuantum quantum)
    : m_Quantum(quantum), m_Shift(quantum == TSPAQuantum::spaLarge ? 8 : 4),
      m_Mask((1 << m_Shift) - 1) {}

TSparsePointerArray::~TSparsePointerArray() = default;

int TSparsePointerArray::LeafSize(TSPAQuantum quantum) {
    return quantum == TSPAQuantum::spaLarge ? 256 : 16;
}

int TSparsePointerArray::Capacity(TSPAQuantum quantum) {
    return kMaxLeaves * LeafSize(quantum);
}

void TSparsePointerArray::CheckIndex(int index) const {
    if (index < 0)
        RaiseListIndexError(index);
    if (index >= Capacity())
        RaiseCapacityError(index);
}

void* TSparsePointerArray::Items(int index) const {
    if (index < 0)
        RaiseListIndexError(index);
    if (index == m_CacheIndex)
        return m_CacheValue;
    void* item = SlotOrNil(index);
    m_CacheIndex = index;
    m_CacheValue = item;
    return item;
}

void TSparsePointerArray::SetItems(int index, void* item) {
    CheckIndex(index);
    ClearCache();
    StoreRaw(index, item);
    if (item) {
        m_HighBound = std::max(m_HighBound, index);
    } else if (index >= m_HighBound) {
        RecomputeHighBound();
    }
}

void TSparsePointerArray::InsertSlot(int index) {
    CheckIndex(index);
    ClearCache();
    if (index > m_HighBound)
        return; // nothing above to shift; the slot is nil already
    if (m_HighBound + 1 >= Capacity())
        RaiseCapacityError(m_HighBound + 1); // the top item would fall off the directory
    for (int i = m_HighBound; i >= index; --i)
        StoreRaw(i + 1, SlotOrNil(i));
    StoreRaw(index, nullptr);
    ++m_HighBound;
}

void TSparsePointerArray::DeleteSlot(int index) {
    CheckIndex(index);
    ClearCache();
    if (index > m_HighBound)
        return;
    for (int i = index; i < m_HighBound; ++i)
        StoreRaw(i, SlotOrNil(i + 1));
    StoreRaw(m_HighBound, nullptr);
    if (index == m_HighBound)
        RecomputeHighBound(); // the top item itself went
    else
        --m_HighBound; // the old top item now sits one lower
}

void TSparsePointerArray::MoveSlot(int curIndex, int newIndex) {
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    ClearCache();
    if (curIndex == newIndex)
        return;
    void* moving = SlotOrNil(curIndex);
    if (curIndex < newIndex) {
        for (int i = curIndex; i < newIndex; ++i)
            StoreRaw(i, SlotOrNil(i + 1));
    } else {
        for (int i = curIndex; i > newIndex; --i)
            StoreRaw(i, SlotOrNil(i - 1));
    }
    StoreRaw(newIndex, moving);
    // Slots at or below the lower index kept their items; only the top can change.
    const int highest = std::max(curIndex, newIndex);
    if (highest >= m_HighBound) {
        m_HighBound = highest;
        RecomputeHighBound();
    }
}

void TSparsePointerArray::Clear() {
    ClearCache();
    m_Directory.clear();
    m_Directory.shrink_to_fit();
    m_HighBound = -1;
}

std::size_t TSparsePointerArray::AllocatedBytes() const {
    std::size_t bytes = m_Directory.capacity() * sizeof(Leaf);
    for (const Leaf& leaf : m_Directory) {
        if (leaf)
            bytes += static_cast<std::size_t>(m_Mask + 1) * sizeof(void*);
    }
    return bytes;
}

void*& TSparsePointerArray::Slot(int index) {
    const auto leaf = static_cast<std::size_t>(index >> m_Shift);
    if (leaf >= m_Directory.size())
        m_Directory.resize(leaf + 1);
    if (!m_Directory[leaf])
        m_Directory[leaf] = std::make_unique<void*[]>(static_cast<std::size_t>(m_Mask + 1));
    return m_Directory[leaf][index & m_Mask];
}

void* TSparsePointerArray::SlotOrNil(int index) const {
    const auto leaf = static_cast<std::size_t>(index >> m_Shift);
    if (leaf >= m_Directory.size() || !m_Directory[leaf])
        return nullptr;
    return m_Directory[leaf][index & m_Mask];
}

void TSparsePointerArray::StoreRaw(int index, void* item) {
    // Clearing a slot that was never allocated needs no leaf.
    if (!item && !SlotOrNil(index))
        return;
    Slot(index) = item;
}

void TSparsePointerArray::RecomputeHighBound() {
    // Nothing lies above the current bound, so the scan starts there.
    for (int index = m_HighBound; index >= 0;) {
        const auto leaf = static_cast<std::size_t>(index >> m_Shift);
        if (leaf >= m_Directory.size() || !m_Directory[leaf]) {
            index = (index & ~m_Mask) - 1; // skip the absent leaf
            continue;
        }
        if (m_Directory[leaf][index & m_Mask]) {
            m_HighBound = index;
            return;
        }
        --index;
    }
    m_HighBound = -1;
}

// ---- TSparseList ----

void TSparseList::SetItems(int index, void* item) {
    m_Array.SetItems(index, item);
    m_Count = m_Array.HighBound() + 1;
}

void TSparseList::Insert(int index, void* item) {
    m_Array.InsertSlot(index);
    if (item)
        m_Array.SetItems(index, item);
    m_Count = std::max(m_Count, index) + 1;
}

void TSparseList::Delete(int index) {
    if (index < 0 || index >= m_Count)
        RaiseListIndexError(index);
    m_Array.DeleteSlot(index);
    --m_Count;
}

void TSparseList::Move(int curIndex, int newIndex) {
    m_Array.MoveSlot(curIndex, newIndex);
    m_Count = std::max(m_Count, m_Array.HighBound() + 1);
}

void TSparseList::Clear() {
    m_Array.Clear();
    m_Count = 0;
}

} // namespace zel
