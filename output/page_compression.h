#pragma once
// The page compressor of saved reports: an adaptive prefix code kept in a
// splay tree (D. W. Jones, 1988). Files written with it must stay readable
// by every version, so the tree, the bit order and the flush are fixed.
//
// Nodes 0..255 are inner nodes (0 the root); 256 + b is the leaf of byte b.
// Bits fill each output byte from its least significant bit. No end symbol
// is written: the reader knows how many bytes to expand.

#include <array>
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
    std::size_t InputUsed() const { return m_InputPosition; }

private:
    void InitTree();
    void Splay(int byte);
    void SendBit(bool bit);

    std::uint8_t m_BitPosition = 0;
    bool m_Compressing;
    std::uint16_t m_InputByte = 0;
    std::array<std::uint16_t, 256> m_Left{};
    std::array<std::uint16_t, 256> m_Right{};
    std::uint16_t m_OutputByte = 0;
    std::string* m_Output = nullptr;
    std::string_view m_Input;
    std::size_t m_InputPosition = 0;
    std::array<std::uint8_t, 513> m_Up{};
};

} // namespace zel
