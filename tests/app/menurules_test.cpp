#include "app/menurules.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Expect {
    Command command;
    bool enabled;
};

struct Row {
    const char* name;
    MenuId menu;
    MenuState state;
    std::vector<Expect> expected;
};

MenuState state(bool pageOpen, FocusTarget focus = FocusTarget::PageEditor, bool editorSelection = false,
                bool clipboardText = false, bool previewSelection = false, bool previewDocument = false)
{
    MenuState s;
    s.pageOpen = pageOpen;
    s.focus = focus;
    s.editorHasSelection = editorSelection;
    s.clipboardHasText = clipboardText;
    s.previewHasSelection = previewSelection;
    s.previewHasDocument = previewDocument;
    return s;
}

// The final state per command after the rule's entries are applied in order, as the window does.
std::map<Command, CommandState> applied(MenuId menu, const MenuState& s)
{
    std::map<Command, CommandState> result;
    for (const CommandState& item : menuRules(menu, s))
        result.insert_or_assign(item.command, item);
    return result;
}

using F = FocusTarget;
using C = Command;

TEST(MenuRules, EnablingTable)
{
    const Row rows[] = {
        {"file without page", MenuId::File, state(false),
         {{C::FileSave, false}, {C::FileSaveAs, false}, {C::FileClosePage, false}, {C::FileCloseAll, false},
          {C::FilePrint, false}, {C::FilePrinterSetup, false}, {C::FileFrameCreator, false}}},
        {"file with page", MenuId::File, state(true), {{C::FileSave, true}, {C::FileFrameCreator, true}}},
        {"edit without page", MenuId::Edit, state(false, F::Other, true, true),
         {{C::EditUndo, false}, {C::EditPaste, false}, {C::EditCopy, false}, {C::EditUnderline, false},
          {C::EditRainbowize, false}}},
        {"edit, editor without selection", MenuId::Edit, state(true, F::PageEditor, false, true),
         {{C::EditUndo, true}, {C::EditCut, false}, {C::EditCopy, false}, {C::EditDelete, false},
          {C::EditDuplicate, false}, {C::EditPaste, true}, {C::EditSelectAll, true}, {C::EditRainbowize, false}}},
        {"edit, editor with selection", MenuId::Edit, state(true, F::PageEditor, true, false),
         {{C::EditCut, true}, {C::EditCopy, true}, {C::EditDuplicate, true}, {C::EditPaste, false},
          {C::EditRainbowize, true}}},
        {"edit, spare editor with selection: no rainbow", MenuId::Edit, state(true, F::SpareEditor, true, true),
         {{C::EditCut, true}, {C::EditCopy, true}, {C::EditRainbowize, false}}},
        {"edit, spare editor without selection", MenuId::Edit, state(true, F::SpareEditor, false, true),
         {{C::EditCut, false}, {C::EditCopy, false}, {C::EditPaste, true}}},
        {"edit, preview focused without selection", MenuId::Edit, state(true, F::SplitPreview, true, true, false),
         {{C::EditCut, false}, {C::EditCopy, false}, {C::EditDelete, false}, {C::EditDuplicate, false},
          {C::EditRainbowize, false}, {C::EditPaste, true}}},
        {"edit, preview focused with selection copies", MenuId::Edit, state(true, F::SplitPreview, false, false, true),
         {{C::EditCut, false}, {C::EditCopy, true}, {C::EditDelete, false}, {C::EditRainbowize, false}}},
        {"edit, other control focused keeps cut and copy", MenuId::Edit, state(true, F::Other, false, true),
         {{C::EditCut, true}, {C::EditCopy, true}, {C::EditRainbowize, false}}},
        {"search without page", MenuId::Search, state(false, F::Other, false, false, false, true),
         {{C::SearchFind, false}, {C::SearchGoToLine, false}, {C::SearchSource, false}}},
        {"search with page, no document", MenuId::Search, state(true),
         {{C::SearchFind, true}, {C::SearchSpellCheck, true}, {C::SearchSource, false}}},
        {"search with a document but no preview selection", MenuId::Search, state(true, F::Other, false, false, false, true),
         {{C::SearchSource, false}}},
        {"search with a preview selection", MenuId::Search, state(true, F::Other, false, false, true, true),
         {{C::SearchSource, true}}},
        {"page without page", MenuId::Page, state(false),
         {{C::PageEvaluate, false}, {C::PageViewFullScreen, false}, {C::PageRefreshHtml, false}}},
        {"insert with page", MenuId::Insert, state(true),
         {{C::InsertHeading, true}, {C::InsertDataFormRiviRoz, true}, {C::TemplateRiviRoz, true}, {C::TemplateHeading, true}}},
        {"insert without page", MenuId::Insert, state(false),
         {{C::InsertHeading, false}, {C::InsertPageTemplate, false}, {C::TemplatePlainText, false}}},
        {"html codes without page", MenuId::HtmlCodes, state(false),
         {{C::CodesBlockTags, false}, {C::CodesTextAttributes, false}, {C::CodesAdditionalTags, false},
          {C::CodesHeadings, false}, {C::CodesSeparators, false}, {C::CodesDateTime, false}}},
        {"options without page", MenuId::Options, state(false), {{C::OptionsViewInlineImages, true}}},
        {"edit without page, internal clipboard focused", MenuId::Edit, state(false, F::SpareEditor, true, true),
         {{C::EditUndo, true}, {C::EditCut, true}, {C::EditCopy, true}, {C::EditPaste, true}, {C::EditSelectAll, true},
          {C::EditBold, false}, {C::EditStripHtml, false}}},
        {"editor pop-up with selection, empty clipboard", MenuId::EditorPopupEdit, state(false, F::PageEditor, true, false),
         {{C::PopupCut, true}, {C::PopupCopy, true}, {C::PopupDelete, true}, {C::PopupDuplicate, true}, {C::PopupPaste, false}}},
        {"editor pop-up without selection", MenuId::EditorPopupEdit, state(true, F::PageEditor, false, true),
         {{C::PopupCut, false}, {C::PopupCopy, false}, {C::PopupPaste, true}}},
        {"preview pop-up without document", MenuId::PreviewPopup, state(true),
         {{C::PreviewRefreshView, true}, {C::PreviewGoToBottom, true}, {C::PreviewCopy, true},
          {C::PreviewFollowCaret, true}, {C::PreviewSearchSource, false}, {C::SearchSource, false}}},
        {"preview pop-up without page", MenuId::PreviewPopup, state(false, F::Other, false, false, true, true),
         {{C::PreviewRefreshView, false}, {C::PreviewCopy, false}, {C::PreviewFollowCaret, false},
          {C::PreviewSearchSource, false}}},
        {"preview pop-up with a selection", MenuId::PreviewPopup, state(true, F::Other, false, false, true, true),
         {{C::PreviewSearchSource, true}, {C::SearchSource, true}}},
    };
    for (const Row& row : rows) {
        const auto result = applied(row.menu, row.state);
        for (const Expect& expect : row.expected) {
            auto found = result.find(expect.command);
            ASSERT_NE(found, result.end()) << row.name << ": command " << commandIndex(expect.command) << " untouched";
            EXPECT_EQ(found->second.enabled, expect.enabled) << row.name << ": command " << commandIndex(expect.command);
        }
    }
}

TEST(MenuRules, UntouchedItemsKeepTheirState)
{
    const auto file = applied(MenuId::File, state(false));
    for (Command kept : {C::FileNew, C::FileOpen, C::FileExit, C::FilePageWiseGuy, C::FileCreateImageIndex})
        EXPECT_EQ(file.count(kept), 0u) << commandIndex(kept);
    const auto codes = applied(MenuId::HtmlCodes, state(false));
    for (Command kept : {C::CodesEmbed, C::CodesMeta, C::CodesModifyMenuTags})
        EXPECT_EQ(codes.count(kept), 0u) << commandIndex(kept);
    EXPECT_TRUE(menuRules(MenuId::Help, state(false)).empty());
}

TEST(MenuRules, BrowserItems)
{
    MenuState s = state(true);
    s.browser1Path = QStringLiteral("/usr/bin/firefox-esr");
    s.browser2Path = QStringLiteral("C:\\Program Files\\Netscape\\netscape.exe");
    auto result = applied(MenuId::Page, s);
    EXPECT_TRUE(result.at(C::PageBrowser1).visible);
    EXPECT_TRUE(result.at(C::PageBrowser1).enabled);
    EXPECT_EQ(result.at(C::PageBrowser1).text, QStringLiteral("View page in firefox-esr"));
    EXPECT_EQ(result.at(C::PageBrowser2).text, QStringLiteral("View page in netscape.exe"));

    s.pageOpen = false;
    s.browser2Path = QStringLiteral("   ");
    result = applied(MenuId::Page, s);
    EXPECT_TRUE(result.at(C::PageBrowser1).visible);
    EXPECT_FALSE(result.at(C::PageBrowser1).enabled);
    EXPECT_FALSE(result.at(C::PageBrowser2).visible);
}

} // namespace
