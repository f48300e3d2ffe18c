#pragma once

#include "workspace/editing/bodyeditor.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;

namespace tessera::viewer {
class TPageViewer;
}

// "Body Settings": edits a page's colours, background picture, margins and fixed-background flag
// with a live sample of the result. The caller reads bodySettings() after Ok and writes the tag.
class TBodyForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
        // "" when cancelled; the caller's dialog uses mediaFilter().
        std::function<QString()> chooseMediaFile;
    };

    enum class ColourRole { Text, Link, Visited, Active, Background };

    explicit TBodyForm(Host host, QWidget* parent = nullptr);

    // The settings the dialog shows now and goes back to on "Load Defaults".
    void setBodySettings(const BodyEditor::BodyAttributes& settings);
    BodyEditor::BodyAttributes bodySettings() const;

    // The colour the bars edit.
    ColourRole selectedRole() const { return m_role; }
    void selectRole(ColourRole role);

    // The pictures and sounds a background may be chosen from, as "description|patterns|…".
    static QString mediaFilter();

    void ColorButtonClick();
    void LoadBackgroundClick();
    void ClearBackgroundClick();
    void LoadDefaultsClick();

private:
    QColor& colour(ColourRole role);
    QRadioButton* radioFor(ColourRole role) const;
    void showSettings();
    void showBars();
    void showColours();
    void barMoved();
    void refreshPreview();

    Host m_host;
    BodyEditor::BodyAttributes m_values;
    BodyEditor::BodyAttributes m_defaults;
    ColourRole m_role = ColourRole::Text;
    // Set while the bars are moved to show a colour, so that they do not write it back half done.
    bool m_showingBars = false;

    QFrame* m_swatch;
    QRadioButton* TextColor;
    QRadioButton* LinkColor;
    QRadioButton* VisitedLinkColor;
    QRadioButton* ActiveLinkColor;
    QRadioButton* BackgroundColor;
    QScrollBar* R;
    QScrollBar* G;
    QScrollBar* B;
    QLabel* RValue;
    QLabel* GValue;
    QLabel* BValue;
    QPushButton* ColorButton;
    QPushButton* LoadBackground;
    QPushButton* ClearBackground;
    QPushButton* LoadDefaults;
    QLabel* m_imageName;
    QSpinBox* LMargin;
    QSpinBox* RMargin;
    QCheckBox* FixedBG;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    tessera::viewer::TPageViewer* Preview;
};
