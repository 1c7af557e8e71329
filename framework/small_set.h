#pragma once
// A small set of enumeration values kept in the bits of an integer, so a
// set stores and compares as that integer does (the grid's options are the
// 16-bit set its settings hold).

#include <initializer_list>

namespace zel {

template <typename E, typename Bits> class TSmallSet {
public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<E> items) {
        for (E e : items)
            m_Bits |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (m_Bits & Bit(e)) != 0; }
    constexpr TSmallSet& operator+=(E e) {
        m_Bits |= Bit(e);
        return *this;
    }
    constexpr TSmallSet& operator-=(E e) {
        m_Bits &= static_cast<Bits>(~Bit(e));
        return *this;
    }
    constexpr TSmallSet operator+(E e) const { return TSmallSet(*this) += e; }
    constexpr TSmallSet operator-(E e) const { return TSmallSet(*this) -= e; }
    constexpr Bits ToBits() const { return m_Bits; }
    friend constexpr bool operator==(TSmallSet, TSmallSet) = default;

private:
    static constexpr Bits Bit(E e) { return static_cast<Bits>(1u << static_cast<unsigned>(e)); }
    Bits m_Bits = 0;
};

} // namespace zel
