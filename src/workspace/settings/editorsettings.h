#pragma once

struct ControlHighlight;
struct TesseraSettings;
class TLEdit;

// The stored "FileFormat" codes: the line ends a saved page gets.
enum class LineEndStyle { Default = 0, Mac = 1, Unix = 2 };

// Sets the editor's MacStyleSave and UnixStyleSave for a stored "FileFormat" code; Default (and an
// unknown code) clears both, so each page keeps the line ends it was read with.
void applyLineEndStyle(int fileFormat, TLEdit& editor);

// Puts the editor settings of the record into effect on `editor`: tab size (when above 0), word
// wrap, line-end style, font name, size, style and colour, background colour, the highlighted tags' colours and the
// selection colours (the tag colours through the editor's highlight question). Empty or
// unusable values leave the editor's own look. Auto-indent is not applied: the editor's own
// setting wins over the stored one.
void applyEditorSettings(const TesseraSettings& settings, TLEdit& editor);

// The answer to the editor's question for the tag colours: the stored syntax colours, blue on
// white where none are stored.
void WebPageControlHighlight(const TesseraSettings& settings, ControlHighlight& request);

// Records the editor's current tab size, auto-indent flag, background colour and font in the
// settings, so the option dialogs start from what the editor shows.
void captureEditorSettings(const TLEdit& editor, TesseraSettings& settings);
