#include "viewer_test_support.h"

#include "viewer/model/arena.h"
#include "viewer/model/arenaarray.h"
#include "viewer/model/formcontrol.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tessera::viewer::testing {
namespace {

TEST(DocumentArena, HandsOutAlignedSeparateMemory)
{
    struct Request {
        std::size_t bytes;
        std::size_t alignment;
    };
    const Request requests[] = {
        {1, 1}, {3, 2}, {24, 8}, {40, 16}, {7, 4}, {DocumentArena::kBlockSize - 8, 8}, // fills a block
        {5, 1}, {3 * DocumentArena::kBlockSize, 16}, // larger than a block: one of its own
        {16, 16}, {1, 8},
    };
    DocumentArena arena;
    for (int round = 0; round < 2; ++round) {
        std::vector<std::pair<unsigned char*, std::size_t>> blocks;
        for (std::size_t i = 0; i < std::size(requests); ++i) {
            const Request& r = requests[i];
            auto* memory = static_cast<unsigned char*>(arena.allocate(r.bytes, r.alignment));
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % r.alignment, 0u) << i;
            std::memset(memory, static_cast<int>(i + 1), r.bytes);
            blocks.emplace_back(memory, r.bytes);
        }
        // Nothing written later overlapped anything written before.
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            auto [memory, bytes] = blocks[i];
            EXPECT_EQ(memory[0], i + 1) << i;
            EXPECT_EQ(memory[bytes - 1], i + 1) << i;
        }
        arena.release(); // and the arena serves again afterwards
    }
}

TEST(DocumentArena, ReleasedBlocksServeOneArenaAtATime)
{
    constexpr std::size_t kBlocks = 4;
    auto fill = [](DocumentArena& arena, int mark) {
        std::vector<unsigned char*> blocks;
        for (std::size_t i = 0; i < kBlocks; ++i) {
            auto* memory = static_cast<unsigned char*>(arena.allocate(DocumentArena::kBlockSize - 64, 8));
            std::memset(memory, mark, DocumentArena::kBlockSize - 64);
            blocks.push_back(memory);
        }
        return blocks;
    };
    {
        DocumentArena earlier;
        fill(earlier, 1);
    } // its blocks go to the pool
    DocumentArena first;
    DocumentArena second;
    std::vector<unsigned char*> ofFirst = fill(first, 2);
    std::vector<unsigned char*> ofSecond = fill(second, 3);
    for (unsigned char* memory : ofFirst) {
        EXPECT_EQ(memory[0], 2);
        EXPECT_EQ(memory[DocumentArena::kBlockSize - 65], 2);
    }
    for (unsigned char* memory : ofSecond)
        EXPECT_EQ(memory[0], 3);
    first.release();
    DocumentArena::freePooledBlocks(); // the second arena's blocks are its own still
    EXPECT_EQ(ofSecond.back()[DocumentArena::kBlockSize - 65], 3);
}

TEST(DocumentArena, DestroysWhatItOwnsNewestFirstAtRelease)
{
    struct Noted {
        std::vector<std::string>* destroyed;
        std::string name; // memory of its own, which a skipped destructor would leak
        ~Noted() { destroyed->push_back(name); }
    };
    std::vector<std::string> destroyed;
    {
        DocumentArena arena;
        for (const char* name : {"first element, long enough to need the heap", "second", "third"})
            arena.makeOwned<Noted>(&destroyed, name);
        arena.release();
        EXPECT_EQ(destroyed, (std::vector<std::string>{"third", "second", "first element, long enough to need the heap"}));
        arena.makeOwned<Noted>(&destroyed, "after release");
        EXPECT_EQ(destroyed.size(), 3u);
    }
    EXPECT_EQ(destroyed.back(), "after release");
}

TEST(ArenaArray, GrowsKeepingItsValuesInAnArenaAndOnTheHeap)
{
    DocumentArena arena;
    for (DocumentArena* memory : {&arena, static_cast<DocumentArena*>(nullptr)}) {
        ArenaArray<int> numbers;
        numbers.append(memory, nullptr, 0);
        EXPECT_TRUE(numbers.empty());
        numbers.push_back(memory, 0);
        for (int i = 1; i < 100; ++i) {
            // Pushing one of its own values while it grows copies the value first.
            numbers.push_back(memory, numbers.back());
            ++numbers.back();
        }
        const int more[] = {100, 101, 102};
        numbers.append(memory, more, std::size(more));
        ASSERT_EQ(numbers.size(), 103u);
        for (std::size_t i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i], static_cast<int>(i));
        numbers.release(memory); // heap memory goes back; the leak checker holds us to it
        EXPECT_TRUE(numbers.empty());
    }
}

TEST(FontFaces, ScalingACopyLeavesTheOriginalAlone)
{
    // A copy shares the original's faces until its own fonts change.
    Parsed page = parse("a<B>b</B><SMALL>c</SMALL><SUB>d</SUB>");
    TSectionList copy;
    copy.copyFrom(*page.document);
    const std::string before = page.dump();
    copy.ApplyDefaultFonts(copy.fontName(), copy.preFontName(), 24, copy.fontColor(), copy.linkColor(),
                           copy.background());
    EXPECT_EQ(page.dump(), before);
    const TFontList& scaled = static_cast<const TSection&>(*copy.sections()[0]).fonts();
    ASSERT_EQ(scaled.count(), 5); // the last one starts after "d", at </SUB>
    EXPECT_EQ(scaled[0].font().size, 24);
    EXPECT_EQ(scaled[1].font().size, 24);
    EXPECT_TRUE(scaled[1].font().bold);
    EXPECT_EQ(scaled[2].font().size, 20);
    EXPECT_EQ(scaled[3].font().size, 18); // three quarters of 24
    // The same font is one face, so its measurements are made once.
    Parsed twice = parse("a<B>b</B>c<B>d</B>");
    const TFontList& fonts = twice.text(0).fonts();
    ASSERT_EQ(fonts.count(), 5);
    EXPECT_EQ(fonts[0].face, fonts[2].face);
    EXPECT_EQ(fonts[0].face, fonts[4].face);
    EXPECT_EQ(fonts[1].face, fonts[3].face);
    EXPECT_NE(fonts[0].face, fonts[1].face);
}

TEST(FontFaces, ACopyOutlivesTheOriginal)
{
    // Faces and link targets belong to their document: a copy, in a table cell too, keeps its
    // fonts and links when the original is gone.
    const std::string html = "a<B>b</B><TABLE><TR><TD><I>c</I><SUB>d</SUB><A HREF=\"cell.htm\">l</A></TABLE>"
                             "<UL><LI><TT>e</TT></UL><A HREF=\"far.htm#x\">f<B>g</B></A>";
    Parsed page = parse(html);
    const std::string before = page.dump();
    Parsed copy;
    copy.document->copyFrom(*page.document);
    page.document.reset();
    Parsed again = parse(html); // may reuse the original's memory
    EXPECT_EQ(dumpModel(*copy.document, &again.names), before);
    const TFontList& fonts = copy.text(0).fonts();
    ASSERT_EQ(fonts.count(), 3);
    EXPECT_EQ(fonts[0].face, fonts[2].face);
    EXPECT_NE(fonts[0].face, again.text(0).fonts()[0].face);
    // The font changes inside one link share its target in the copy too.
    const TFontList& linked = copy.text(copy.document->count() - 1).fonts();
    ASSERT_GE(linked.count(), 2);
    EXPECT_EQ(linked[0].url.str(), "far.htm#x");
    EXPECT_EQ(&linked[0].url.str(), &linked[1].url.str());
}

TEST(Documents, ClearingOrDroppingADocumentLetsGoOfItsControls)
{
    // Sections in the arena are never destroyed one by one; what they hold must still go.
    const std::string html = "<FORM><TABLE><TR><TD>x<INPUT NAME=inCell><TD><IMG SRC=a.gif></TABLE>"
                             "<INPUT NAME=outside></FORM>";
    for (bool clear : {true, false}) {
        std::vector<std::weak_ptr<TFormControlObj>> controls;
        Parsed page = parse(html);
        ASSERT_EQ(page.document->forms().size(), 1u);
        for (const auto& control : page.document->forms()[0]->controls())
            controls.push_back(control);
        ASSERT_EQ(controls.size(), 2u);
        if (clear)
            page.document->Clear();
        else
            page.document.reset();
        for (const auto& control : controls)
            EXPECT_TRUE(control.expired()) << (clear ? "after Clear" : "after dropping the document");
    }
}

TEST(Documents, ParseAgainAfterClear)
{
    // Clear gives the arena back; what the next parse builds must not lean on it.
    const std::string html = "<UL><LI>one<LI><A HREF=x>two</A></UL><TABLE><TR><TD>c<TD><B>d</B></TABLE>";
    Parsed page = parse(html);
    const std::string first = page.dump();
    for (int i = 0; i < 3; ++i) {
        page.document->Clear();
        page.names.clear();
        ParseTextBlock(*page.document, page.names, html);
        EXPECT_EQ(page.dump(), first);
    }
}

} // namespace
} // namespace tessera::viewer::testing
