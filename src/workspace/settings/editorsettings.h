#pragma once

struct ControlHighlight;
struct TesseraSettings;
class TLEdit;

// Puts the editor settings of the record into effect on `editor`: tab size (when above 0), word
// wrap, font name, size, style and colour, background colour, the highlighted tags' colours and the
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
