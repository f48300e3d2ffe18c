#pragma once

#include "custom/fontform/editoroptions.h"

#include <QDialog>

#include <functional>

class ColourBox;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;
class TLEdit;
struct ControlHighlight;

// "FontForm", the editor options: the editor's font, colours, tab stop, word wrap, auto-indent,
// line ends and typed-character expansion, the tag colours and the preview's default look. A
// sample editor shows the choices before they are applied. The owner reads and changes the
// main window's look through the host.
class TFontForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        // The look the main window shows now.
        std::function<EditorOptions()> current;
        // Puts the recorded settings back into effect on the main window.
        std::function<void()> restoreRecorded;
        // Puts the options into effect on the main window.
        std::function<void(const EditorOptions&)> apply;
        // Records the options as the settings stored at exit.
        std::function<void(const EditorOptions&)> record;
        // The one-time hints 6 (word wrap) and 10 (character conversions).
        std::function<void(int helperNumber)> showHelper;
    };

    static constexpr int wordwrapHelper = 6;
    static constexpr int characterConversionsHelper = 10;
    static const QString sampleText;

    explicit TFontForm(Host host, QWidget* parent = nullptr);

    void FormShow();
    // The recorded settings back on the main window, and every control showing the window's look.
    void SetDefaults();
    void SetupText();
    // What the controls hold.
    EditorOptions options() const;

    void Apply();
    void OKChangesClick();
    void BitBtn3Click();
    void BitBtn2Click();
    // A font, size, tab stop or colour changed: only the sample follows.
    void FontListBoxChange();
    void UseWordwrapClick();
    void ExpandtoHTMLClick();
    void SamplePageControlHighlight(ControlHighlight* request) const;

    TLEdit* samplePage() const { return SamplePage; }

protected:
    void reject() override;

private:
    QWidget* buildGeneralTab();
    QWidget* buildColoursTab();
    QWidget* buildViewerTab();
    void loadControls(const EditorOptions& options);

    Host m_host;
    QTabWidget* m_tabs = nullptr;
    TLEdit* SamplePage = nullptr;
    QComboBox* FontListBox = nullptr;
    QSpinBox* FontSizeEdit = nullptr;
    QCheckBox* AutoIndent = nullptr;
    QComboBox* SaveTypeAs = nullptr;
    QSpinBox* TabSize = nullptr;
    QCheckBox* UseWordwrap = nullptr;
    QCheckBox* ExpandtoHTML = nullptr;
    ColourBox* TextColor = nullptr;
    ColourBox* WindowColor = nullptr;
    ColourBox* SyntaxFore = nullptr;
    ColourBox* SyntaxBack = nullptr;
    ColourBox* SelectedFore = nullptr;
    ColourBox* SelectedBack = nullptr;
    QComboBox* HTMLFontStyle = nullptr;
    QSpinBox* HTMLFontSize = nullptr;
    ColourBox* HTMLWinColor = nullptr;
    ColourBox* HTMLFontColor = nullptr;
    // The editor's own font, whose style the chosen name and size keep.
    QFont m_editorFont;
    bool m_loading = false;
};
