#pragma once

// Every command of the main window's menus, pop-up menus and tool buttons. A command is a key
// into the CommandRegistry, which holds its menu item(s) and, once a subsystem provides it, its
// handler.
enum class Command {
    // File
    FileNew, FileOpen, FileSave, FileSaveAs, FileClosePage, FileCloseAll, FilePrint, FilePrinterSetup,
    FileCreateImageIndex, FilePageWiseGuy, FileFrameCreator, FileExit,
    FileRecent1, FileRecent2, FileRecent3, FileRecent4,
    // Projects
    ProjectNew, ProjectPages, PageNew, PageImport, PageDelete, PageCopyMove, PageEditDescription, PageRenameFile,
    ProjectDelete, ProjectEditDescription, ProjectDisplay, ProjectViewPage,
    // Edit
    EditUndo, EditRedo, EditCut, EditCopy, EditDelete, EditDuplicate, EditPaste, EditInsertFile, EditSelectAll,
    EditStripHtml, EditBodyStatement, EditTitle, EditMetaTag, EditSafeSurfRating, EditInsertStandardTags,
    EditRainbowize, EditCenter, EditBold, EditItalics, EditUnderline,
    // Search
    SearchFind, SearchFindNext, SearchReplace, SearchGoToLine, SearchSpellCheck, SearchSource,
    // Page
    PageEvaluate, PageViewFullScreen, PageRefreshHtml, PageBrowser1, PageBrowser2,
    // Insert
    InsertHeading, InsertListType, InsertTableCellAttributes, InsertImage, InsertHorizontalBar, InsertText,
    InsertUrlReference, InsertTableRiviRoz, InsertDataFormRiviRoz, InsertCalendarRiviRoz, InsertPageTemplate,
    TemplateRiviRoz, TemplateBodySettings, TemplateHotLink, TemplateMailtoLink, TemplateImage, TemplatePageDefaults,
    TemplatePlainText, TemplateHeading,
    // HTML Codes
    CodesBlockTags, CodesTextAttributes, CodesAdditionalTags, CodesHeadings,
    CodesHeading1, CodesHeading2, CodesHeading3, CodesHeading4, CodesHeading5, CodesHeading6,
    CodesSeparators, CodesParagraphMenu, CodesParagraph, CodesParagraphLeft, CodesParagraphCenter, CodesParagraphRight,
    CodesLineBreakMenu, CodesLineBreak, CodesLineBreakClearLeft, CodesLineBreakClearRight,
    CodesDivMenu, CodesDiv, CodesDivLeft, CodesDivCenter, CodesDivRight,
    CodesHorizontalBar, CodesNonbreakingSpace,
    CodesDateTime, CodesDate, CodesTime, CodesDateAndTime, CodesEmbed, CodesMeta, CodesModifyMenuTags,
    // Options
    OptionsViewInlineImages, OptionsEditorOptions, OptionsGeneralPreferences, OptionsCustomizeButtons,
    OptionsToggleInternalClipboard, OptionsSpecialCharacters,
    // History
    History0, History1, History2, History3, History4, History5, History6, History7, History8, History9,
    // Help
    HelpAbout, HelpShowHints, HelpContents, HelpShowTips,
    // Editor pop-up
    PopupRefreshView, PopupEvaluate, PopupEdit, PopupCut, PopupCopy, PopupDelete, PopupDuplicate, PopupSelectAll,
    PopupPaste, PopupTableCell, PopupUnorderedListItem, PopupSearch, PopupFind, PopupReplace, PopupGoToLine,
    PopupSetBookmark, PopupGotoBookmark,
    SetBookmark0, SetBookmark1, SetBookmark2, SetBookmark3, SetBookmark4, SetBookmark5, SetBookmark6, SetBookmark7,
    SetBookmark8, SetBookmark9, SetBookmark10, SetBookmark11, SetBookmark12, SetBookmark13, SetBookmark14,
    SetBookmark15,
    GotoBookmark0, GotoBookmark1, GotoBookmark2, GotoBookmark3, GotoBookmark4, GotoBookmark5, GotoBookmark6,
    GotoBookmark7, GotoBookmark8, GotoBookmark9, GotoBookmark10, GotoBookmark11, GotoBookmark12, GotoBookmark13,
    GotoBookmark14, GotoBookmark15,
    PopupTableRiviRoz, PopupFormRiviRoz, PopupFrameRiviRoz, PopupFullScreenView,
    // Preview pop-up
    PreviewRefreshView, PreviewSearchSource, PreviewGoToTop, PreviewGoToBottom, PreviewCopy, PreviewFollowCaret,
    // Tool buttons without a menu item
    ToggleSplitStyle, ViewerBack, ViewerForward,

    Count
};

constexpr int commandCount = static_cast<int>(Command::Count);

constexpr Command offsetCommand(Command first, int offset)
{
    return static_cast<Command>(static_cast<int>(first) + offset);
}

constexpr int commandIndex(Command command)
{
    return static_cast<int>(command);
}
