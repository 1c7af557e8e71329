#pragma once
// The page compressor of saved reports: an adaptive prefix code kept in a
// splay tree (D. W. Jones, 1988). Files written with it must stay readable
// by every version, so the tree, the bit order and the flush are fixed.
//
// Nodes 0..255 are inner nodes (0 the root); 256 + b is the leaf of byte b.
// The fresh tree gives node i the children 2i + 1 and 2i + 2, and it is made
// anew for every page. A code is sent from the root down, and bits fill each
// output byte from its least significant bit. No end symbol is written: the
// reader knows how many bytes to expand.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class TQRCompress {
public:
    // Compressing: whole bytes are appended to `*output` as they fill; the
    // destructor appends a partly filled last byte (unused high bits 0).
    explicit TQRCompress(std::string* output);
    // Expanding from `input`, which must outlive the compressor.
    explicit TQRCompress(std::string_view input);
    ~TQRCompress();
    TQRCompress(const TQRCompress&) = delete;
    TQRCompress& operator=(const TQRCompress&) = delete;

    void Compress(std::uint8_t byte);
    // Nothing when the input ends inside a code or leads to no byte value:
    // a damaged page.
    std::optional<std::uint8_t> Expand();
    // Input bytes taken so far; a whole page takes exactly its stored bytes.
    std::size_t InputUsed() const { return (m_BitsUsed + 7) / 8; }

private:
    void InitTree();
    void Splay(int byte);
    void FlushWholeBytes();

    bool m_Compressing;
    // Children side by side: 2i is the left child of node i, 2i + 1 the
    // right one, so a bit picks the child without a branch.
    std::array<std::uint16_t, 512> m_Child{};
    std::array<std::uint16_t, 513> m_Up{};
    // Compressing: bits not yet written, the oldest in bit 0.
    std::uint64_t m_Pending = 0;
    int m_PendingBits = 0;
    std::string* m_Output = nullptr;
    // Expanding: bits read ahead from the input, the next in bit 0.
    std::string_view m_Input;
    std::size_t m_InputPosition = 0;
    std::uint64_t m_Buffer = 0;
    int m_BufferBits = 0;
    std::size_t m_BitsUsed = 0;
};

} // namespace zel
