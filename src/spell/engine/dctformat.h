#pragma once

// The layout of a dictionary file, shared by the reader and the builder:
//   offset 0        header: a length byte and up to 82 characters of text
//   offset 1        the 50-byte signature inside the header (NUL-padded)
//   offset 83       node blocks of 512 bytes, 128 little-endian 32-bit node words each
// Nodes are numbered from 1; node 1 starts the top-level sibling list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessera::spell::dct {

inline constexpr std::size_t kHeaderSize = 83;
inline constexpr std::size_t kSignatureOffset = 1;
inline constexpr std::size_t kSignatureSize = 50;
inline constexpr std::size_t kBlockSize = 512;
inline constexpr std::size_t kNodesPerBlock = kBlockSize / 4;
inline constexpr std::uint32_t kMaxNode = 0x3FFFFF;
// Every word handled by the engine is cut to this many characters.
inline constexpr std::size_t kMaxWordLength = 50;

inline constexpr std::string_view kSignatureText = "Tessera Spelling Dictionary, format 1";

inline constexpr std::array<char, kSignatureSize> signature()
{
    std::array<char, kSignatureSize> bytes{};
    for (std::size_t i = 0; i < kSignatureText.size(); ++i)
        bytes[i] = kSignatureText[i];
    return bytes;
}

inline constexpr std::uint32_t kChildMask = 0x3FFFFF;
inline constexpr std::uint32_t kWordEndBit = 1u << 22;
inline constexpr std::uint32_t kLastSiblingBit = 1u << 23;

struct Node {
    std::uint32_t child = 0;
    bool wordEnd = false;
    bool lastSibling = false;
    unsigned char letter = 0;

    friend bool operator==(const Node&, const Node&) = default;
};

inline constexpr std::uint32_t packNode(const Node& node)
{
    return (node.child & kChildMask) | (node.wordEnd ? kWordEndBit : 0) | (node.lastSibling ? kLastSiblingBit : 0)
        | (std::uint32_t(node.letter) << 24);
}

inline constexpr Node unpackNode(std::uint32_t word)
{
    return Node{word & kChildMask, (word & kWordEndBit) != 0, (word & kLastSiblingBit) != 0,
                static_cast<unsigned char>(word >> 24)};
}

// Where node n lives: block (n - 1) div 128, slot (n - 1) mod 128.
inline constexpr std::size_t nodeBlock(std::uint32_t n) { return (n - 1) / kNodesPerBlock; }
inline constexpr std::size_t nodeSlot(std::uint32_t n) { return (n - 1) % kNodesPerBlock; }
inline constexpr std::size_t nodeOffset(std::uint32_t n) { return kHeaderSize + std::size_t(n - 1) * 4; }

} // namespace tessera::spell::dct
