#pragma once

#include "text/charset.h"
#include "text/entities.h"
#include "viewer/model/attribute.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::viewer {

// The tags the reader knows, in the order of its table. Start-and-end tags first, then the
// tags that have a start form only.
enum class Tag : std::uint8_t {
    Unknown,
    Html, Title, Body, Head, B, I, H, Em, Strong, U, Cite, Var, Tt, Code, Kbd, Samp, Ol, Ul, Dir, Menu, Dl, A,
    Address, BlockQuote, Pre, Center, Table, Td, Th, Caption, Form, TextArea, Select, Option, Font, Sub, Sup, Big,
    Small, P, Map,
    Li, Br, Hr, Dd, Dt, Img, Base, Tr, Button, Input, Selected, BaseFont, Area,
};

// Whether the tag's end form is recognised.
bool tagHasEndForm(Tag tag);
// Whether a start tag keeps its attributes (for all others they are read and dropped).
bool tagKeepsAttributes(Tag tag);
Tag lookupTag(std::string_view upperName);
AttrSymbol lookupAttribute(std::string_view upperName);

using tessera::text::lookupEntity;

// A numeric reference 128-159 is read as Windows-1252, as browsers do.
using tessera::text::windows1252ToUnicode;
using tessera::text::appendUtf8;

// HTML font sizes 1-7 in points, for normal and for fixed-pitch text.
inline constexpr std::array<int, 7> kFontSizes{8, 10, 12, 14, 18, 24, 36};
inline constexpr std::array<int, 7> kFixedFontSizes{7, 8, 10, 12, 15, 20, 30};
// Heading levels 1-6; level 0 is 12 points and not bold.
inline constexpr std::array<int, 7> kHeadingSizes{12, 24, 18, 15, 12, 10, 8};

// The step (1-7) nearest to a point size in the normal or the fixed table.
int nearestSizeStep(int points, bool fixed);
int pointsForStep(int step, bool fixed);

} // namespace tessera::viewer
