#include "output/page_compression.h"

namespace zel {
namespace {

constexpr int kRoot = 0;
constexpr int kFirstLeaf = 256;
// The leaf after byte 255's: part of the tree's shape, never a byte.
constexpr int kUnusedLeaf = 512;

} // namespace

TQRCompress::TQRCompress(std::string* output) : m_Compressing(true), m_Output(output) {
    InitTree();
    m_BitPosition = 0;
}

TQRCompress::TQRCompress(std::string_view input) : m_Compressing(false), m_Input(input) {
    InitTree();
    m_BitPosition = 7;
}

TQRCompress::~TQRCompress() {
    if (m_Compressing && m_BitPosition != 0)
        m_Output->push_back(static_cast<char>(m_OutputByte & 0xFF));
}

void TQRCompress::InitTree() {
    for (int i = 1; i <= 512; ++i)
        m_Up[i] = static_cast<std::uint8_t>((i - 1) / 2);
    for (int i = 0; i <= 255; ++i) {
        m_Left[i] = static_cast<std::uint16_t>(2 * i + 1);
        m_Right[i] = static_cast<std::uint16_t>(2 * i + 2);
    }
}

void TQRCompress::SendBit(bool bit) {
    if (bit)
        m_OutputByte |= static_cast<std::uint16_t>(1u << m_BitPosition);
    if (m_BitPosition == 7) {
        m_Output->push_back(static_cast<char>(m_OutputByte & 0xFF));
        m_OutputByte = 0;
        m_BitPosition = 0;
    } else {
        ++m_BitPosition;
    }
}

void TQRCompress::Compress(std::uint8_t byte) {
    // The path is found leaf to root but sent root to leaf. A node's depth
    // stays below the number of nodes, so the stack cannot overflow.
    bool path[513];
    int depth = 0;
    int a = kFirstLeaf + byte;
    do {
        const int parent = m_Up[a];
        path[depth++] = m_Right[parent] == a;
        a = parent;
    } while (a != kRoot);
    while (depth > 0)
        SendBit(path[--depth]);
    Splay(byte);
}

std::optional<std::uint8_t> TQRCompress::Expand() {
    int a = kRoot;
    while (a < kFirstLeaf) {
        if (m_BitPosition == 7) {
            if (m_InputPosition >= m_Input.size())
                return std::nullopt;
            m_InputByte = static_cast<std::uint8_t>(m_Input[m_InputPosition++]);
            m_BitPosition = 0;
        } else {
            ++m_BitPosition;
        }
        a = (m_InputByte >> m_BitPosition) & 1 ? m_Right[a] : m_Left[a];
    }
    if (a == kUnusedLeaf)
        return std::nullopt;
    const int byte = a - kFirstLeaf;
    Splay(byte);
    return static_cast<std::uint8_t>(byte);
}

void TQRCompress::Splay(int byte) {
    // Semi-splaying: each pair on the way up swaps so the leaf climbs to
    // about half its depth; often-used bytes get short codes.
    int a = kFirstLeaf + byte;
    do {
        const int q = m_Up[a];
        if (q != kRoot) {
            const int g = m_Up[q];
            int s;
            if (m_Left[g] == q) {
                s = m_Right[g];
                m_Right[g] = static_cast<std::uint16_t>(a);
            } else {
                s = m_Left[g];
                m_Left[g] = static_cast<std::uint16_t>(a);
            }
            if (m_Left[q] == a)
                m_Left[q] = static_cast<std::uint16_t>(s);
            else
                m_Right[q] = static_cast<std::uint16_t>(s);
            m_Up[a] = static_cast<std::uint8_t>(g);
            m_Up[s] = static_cast<std::uint8_t>(q);
            a = g;
        } else {
            a = kRoot;
        }
    } while (a != kRoot);
}

} // namespace zel
