#pragma once

#include "generators/builders/newpage.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace tessera::viewer {
class TPageViewer;
}

// "Initial Values": builds the first HTML of a new, empty page from five notebook pages of
// answers, starting from the project's PROJECT.INI and offering the program's themes, with the
// result shown live beside the pages. "Finish" puts the page into the editor and its pictures
// beside the page file; "Cancel" leaves the page empty.
class TInitialValuesForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        // The page being built; PROJECT.INI and the pictures are in its directory.
        QString pageFile;
        QString programDirectory;
        QString authorName;
        std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
        // "" when cancelled.
        std::function<QString(const QString& startDirectory)> chooseImage;
        // The page's lines at the caret, each ended by the page's line end.
        std::function<void(const QStringList& lines)> insertLines;
        std::function<void()> clearPage;
        // "TEXT", "LINK", "VLINK", "ALINK" or "BGCOLOR" and its colour; then the background picture.
        std::function<void(const QString& attribute, const QColor& colour)> rememberColour;
        std::function<void(const QString& picture)> rememberBackground;
        std::function<void(const QString& authorName)> storeAuthorName;
        std::function<void(const QString& title, const QString& text)> reportFailure;
        std::function<void()> refreshPreview;
        // The file names of the pictures put beside the page, which belong with it.
        std::function<void(const QStringList& fileNames)> keepPicturesWithPage;
    };

    enum class Page { PageInternals, ImagesThemes, Text, General, Colors };

    explicit TInitialValuesForm(Host host, QWidget* parent = nullptr);
    ~TInitialValuesForm() override;

    Page page() const;
    // The themes directory as the preview's lines name it, ending in a separator.
    QString themesDirectory() const { return m_themesDirectory; }
    const QStringList& generatedLines() const { return m_lines; }
    tessera::viewer::TPageViewer* preview() const { return Preview; }

    void ReadINI();
    void RefreshHTML();
    void DisplayNewHTML();
    void NextBtnClick();
    void BackBtnClick();
    void FinishBtnClick();
    void CancelBtnClick();
    void HeaderBtnClick();
    void SpeedButton1Click();
    void SpeedButton2Click();

    void reject() override;

private:
    struct ColourRow {
        QLineEdit* edit;
        QLabel* swatch;
        const char* attribute;
    };

    void buildControls();
    QWidget* buildPageInternals();
    QWidget* buildImagesThemes();
    QWidget* buildText();
    QWidget* buildGeneral();
    QWidget* buildColors();
    QWidget* withHelp(QWidget* fields, const QString& help);
    QLineEdit* lineEdit(const char* name, const QString& text = {}, int maxLength = 0);
    QCheckBox* checkBox(const char* name, const QString& caption, bool checked = false);
    QSpinBox* spinBox(const char* name, int minimum, int maximum, int value);
    QToolButton* browseButton(const char* name, QLineEdit* target);
    void addColourRow(QGridLayout* grid, const char* name, const QString& caption, const char* attribute);
    void pickColour(const ColourRow& row);
    void fillThemes();
    void showPage(int index);
    void browseFor(QLineEdit* target);
    QString pageDirectory() const;
    tessera::generators::NewPageSpec spec() const;
    QStringList copyPicturesBesidePage() const;

    Host m_host;
    QString m_themesDirectory;
    QStringList m_lines;
    std::optional<QColor> m_headingColour;
    // Set while the form fills its own fields, so they do not each rebuild the page.
    bool m_filling = false;

    QStackedWidget* Notebook;
    QLabel* m_pageTitle;
    QPushButton* BackBtn;
    QPushButton* NextBtn;
    QPushButton* FinishBtn;
    QPushButton* CancelBtn;
    tessera::viewer::TPageViewer* Preview;

    QComboBox* DocType;
    QLineEdit* PageTitle;
    QLineEdit* PageComments;
    QLineEdit* Keywords;
    QLineEdit* Description;

    QComboBox* ThemeCombo;
    QLineEdit* BackgroundGraphic;
    QCheckBox* LeftArrow;
    QCheckBox* RightArrow;
    QCheckBox* UpArrow;
    QCheckBox* DownArrow;
    QCheckBox* QuestionMark;
    QCheckBox* FixedBG;

    QLineEdit* EmailText;
    QLineEdit* EmailCaption;
    QLineEdit* PageHeading;
    QLabel* m_headingSwatch;
    QSpinBox* HeadingSize;
    QLineEdit* Logo;
    QCheckBox* CenterText;

    QLineEdit* CompanyName;
    QPlainTextEdit* OtherInfo;
    QSpinBox* BaseFontSize;
    QLineEdit* AuthorName;

    QList<ColourRow> m_colours;
    QSpinBox* LMargin;
    QSpinBox* RMargin;
};
