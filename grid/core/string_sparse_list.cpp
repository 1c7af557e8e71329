#include "grid/core/sparse_list.h"

namespace zel {

void TStringSparseList::SetItem(int index, const std::string& s, void* object) {
    auto* pair = static_cast<Pair*>(m_List.Items(index));
    if (s.empty() && !object) {
        m_List.SetItems(index, nullptr); // may raise: the pair is freed only once it is out
        delete pair;
        return;
    }
    if (pair) {
        pair->first = s;
        pair->second = object;
        m_List.SetItems(index, pair); // a store all the same: Count follows the high bound
        return;
    }
    auto made = std::make_unique<Pair>(s, object);
    m_List.SetItems(index, made.get());
    (void)made.release();
}

void TStringSparseList::Insert(int index, const std::string& s) {
    std::unique_ptr<Pair> made;
    if (!s.empty())
        made = std::make_unique<Pair>(s, nullptr);
    m_List.Insert(index, made.get());
    (void)made.release();
}

void TStringSparseList::Delete(int index) {
    auto* pair = static_cast<Pair*>(m_List.Items(index));
    m_List.Delete(index);
    delete pair;
}

void TStringSparseList::Clear() {
    m_List.ForAll([](int, void* item) { delete static_cast<Pair*>(item); });
    m_List.Clear();
}

std::size_t TStringSparseList::AllocatedBytes() const {
    const std::size_t inlineCapacity = std::string().capacity();
    std::size_t bytes = m_List.AllocatedBytes();
    m_List.ForAll([&](int, void* item) {
        const auto* pair = static_cast<const Pair*>(item);
        bytes += sizeof(Pair);
        if (pair->first.capacity() > inlineCapacity)
            bytes += pair->first.capacity() + 1;
    });
    return bytes;
}

std::string TStringSparseList::Get(int index) const {
    const auto* pair = static_cast<const Pair*>(m_List.Items(index));
    return pair ? pair->first : std::string();
}

void TStringSparseList::Put(int index, const std::string& s) {
    const auto* pair = static_cast<const Pair*>(m_List.Items(index));
    SetItem(index, s, pair ? pair->second : nullptr);
}

void* TStringSparseList::GetObject(int index) const {
    const auto* pair = static_cast<const Pair*>(m_List.Items(index));
    return pair ? pair->second : nullptr;
}

void TStringSparseList::PutObject(int index, void* object) {
    const auto* pair = static_cast<const Pair*>(m_List.Items(index));
    SetItem(index, pair ? pair->first : std::string(), object);
}

} // namespace zel
