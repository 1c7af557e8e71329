#include "output/page_compression.h"

namespace zel {
namespace {

constexpr int kRoot = 0;
constexpr int kFirstLeaf = 256;
// The leaf after byte 255's: part of the tree's shape, never a byte.
constexpr int kUnusedLeaf = 512;
// A code this long still fits the pending bits next to a partial byte.
constexpr int kLongestFastCode = 56;

} // namespace

TQRCompress::TQRCompress(std::string* output) : m_Compressing(true), m_Output(output) {
    InitTree();
}

TQRCompress::TQRCompress(std::string_view input) : m_Compressing(false), m_Input(input) {
    InitTree();
}

TQRCompress::~TQRCompress() {
    if (m_Compressing && m_PendingBits > 0)
        m_Output->push_back(static_cast<char>(m_Pending & 0xFF));
}

void TQRCompress::InitTree() {
    for (int i = 1; i <= 512; ++i)
        m_Up[i] = static_cast<std::uint16_t>((i - 1) / 2);
    for (int i = 0; i <= 255; ++i) {
        m_Child[2 * i] = static_cast<std::uint16_t>(2 * i + 1);
        m_Child[2 * i + 1] = static_cast<std::uint16_t>(2 * i + 2);
    }
}

void TQRCompress::FlushWholeBytes() {
    while (m_PendingBits >= 8) {
        m_Output->push_back(static_cast<char>(m_Pending & 0xFF));
        m_Pending >>= 8;
        m_PendingBits -= 8;
    }
}

void TQRCompress::Compress(std::uint8_t byte) {
    // Climbing from the leaf meets the code's bits last to first; shifting
    // each one in from the right leaves the root's bit lowest, which is where
    // it goes first.
    std::uint64_t code = 0;
    int depth = 0;
    int a = kFirstLeaf + byte;
    bool isRight[256]; // a path passes at most the 256 inner nodes
    do {
        const int parent = m_Up[a];
        const bool right = m_Child[2 * parent + 1] == a;
        isRight[depth] = right;
        code = (code << 1) | static_cast<std::uint64_t>(right);
        ++depth;
        a = parent;
    } while (a != kRoot);
    if (depth <= kLongestFastCode) {
        m_Pending |= code << m_PendingBits;
        m_PendingBits += depth;
    } else {
        // A degenerate tree: feed the long code in pieces, root first.
        while (depth > 0) {
            m_Pending |= static_cast<std::uint64_t>(isRight[--depth]) << m_PendingBits;
            if (++m_PendingBits == 64)
                FlushWholeBytes();
        }
    }
    FlushWholeBytes();
    Splay(byte);
}

std::optional<std::uint8_t> TQRCompress::Expand() {
    int a = kRoot;
    do {
        if (m_BufferBits == 0) {
            // Read ahead up to 7 bytes; InputUsed() counts only what was used.
            int bytes = 0;
            m_Buffer = 0;
            while (bytes < 7 && m_InputPosition < m_Input.size()) {
                m_Buffer |= static_cast<std::uint64_t>(
                                static_cast<std::uint8_t>(m_Input[m_InputPosition++]))
                            << (8 * bytes);
                ++bytes;
            }
            if (bytes == 0)
                return std::nullopt;
            m_BufferBits = 8 * bytes;
        }
        a = m_Child[2 * a + static_cast<int>(m_Buffer & 1)];
        m_Buffer >>= 1;
        --m_BufferBits;
        ++m_BitsUsed;
    } while (a < kFirstLeaf);
    if (a == kUnusedLeaf)
        return std::nullopt;
    const int byte = a - kFirstLeaf;
    Splay(byte);
    return static_cast<std::uint8_t>(byte);
}

void TQRCompress::Splay(int byte) {
    // Semi-splaying: each pair on the way up swaps so the leaf climbs to
    // about half its depth and often-used bytes get short codes. With
    // q = up[a] and g = up[q], a takes the place of q's sibling under g, and
    // that sibling takes a's place under q. The sides are picked by index
    // arithmetic: the branches would be mispredicted half the time.
    int a = kFirstLeaf + byte;
    for (;;) {
        const int q = m_Up[a];
        if (q == kRoot)
            break;
        const int g = m_Up[q];
        const int qIsRight = m_Child[2 * g + 1] == q;
        const int siblingSlot = 2 * g + (1 - qIsRight);
        const int s = m_Child[siblingSlot];
        m_Child[siblingSlot] = static_cast<std::uint16_t>(a);
        const int aIsRight = m_Child[2 * q + 1] == a;
        m_Child[2 * q + aIsRight] = static_cast<std::uint16_t>(s);
        m_Up[a] = static_cast<std::uint16_t>(g);
        m_Up[s] = static_cast<std::uint16_t>(q);
        a = g;
        if (a == kRoot)
            break;
    }
}

} // namespace zel
