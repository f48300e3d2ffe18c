#pragma once

// The template wizard's pages of fields, one per kind of placeholder. Each shows a record of
// fields and gives it back as the user left it; the wizard reads and writes the page text.

#include "generators/builders/templatefields.h"

#include <QColor>
#include <QComboBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// What the pages ask of the program: the colour dialog, the picture dialog and the page's
// pictures. Pictures are named relative to the page's directory.
struct TemplateServices {
    std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
    // The chosen file's full path; empty when cancelled.
    std::function<QString(const QString& startFile)> chooseImageFile;
    std::function<QStringList()> imageFiles;
    std::function<QStringList()> linkTargets;
    std::function<QString()> pageDirectory;
    std::function<void(const QString& title, const QString& text)> reportFailure;
};

// An editable list that fills itself each time it drops down, keeping the typed text.
class RefilledComboBox : public QComboBox {
    Q_OBJECT
public:
    RefilledComboBox(std::function<QStringList()> items, const char* objectName);
    void showPopup() override;

private:
    std::function<QStringList()> m_items;
};

// A picture named in a box: the browse button copies the chosen file beside the page and puts
// its bare name in the box.
class PictureChooser : public QObject {
    Q_OBJECT
public:
    PictureChooser(const TemplateServices& services, QWidget* parent);
    // Returns the name for the box, or nothing when cancelled or the copy failed.
    std::optional<QString> choose(const QString& current) const;

private:
    const TemplateServices& m_services;
};

class TemplateDefaultsPage : public QWidget {
    Q_OBJECT
public:
    TemplateDefaultsPage();
    tessera::generators::TemplateDefaults fields() const;
    void showFields(const tessera::generators::TemplateDefaults& fields);

private:
    QLineEdit* PageTitle;
    QLineEdit* Keywords;
    QLineEdit* Description;
    QComboBox* DocType;
};

class TemplateHeaderPage : public QWidget {
    Q_OBJECT
public:
    explicit TemplateHeaderPage(const TemplateServices& services);
    tessera::generators::TemplateHeading fields() const;
    void showFields(const tessera::generators::TemplateHeading& fields);

private:
    void HeaderColorClick();
    void showColour();

    const TemplateServices& m_services;
    QLineEdit* HeaderText;
    QSpinBox* HeaderSize;
    QComboBox* HeaderAlignment;
    QPushButton* HeaderColor;
    QPushButton* m_noColour;
    QLabel* m_colourLabel;
    std::optional<QColor> m_colour;
};

class TemplateTextPage : public QWidget {
    Q_OBJECT
public:
    TemplateTextPage();
    tessera::generators::TemplateText fields() const;
    void showFields(const tessera::generators::TemplateText& fields);

private:
    QPlainTextEdit* WebText;
    QCheckBox* BoldCB;
    QCheckBox* UnderlineCB;
    QCheckBox* ItalicsCB;
    QComboBox* TextAlignment;
};

class TemplateImagePage : public QWidget {
    Q_OBJECT
public:
    explicit TemplateImagePage(const TemplateServices& services);
    tessera::generators::TemplateImage fields() const;
    // Shows the fields as they are, without measuring the picture.
    void showFields(const tessera::generators::TemplateImage& fields);

private:
    // Width and height from the picture (0 and 0 when it cannot be read).
    void measure(const QString& file);

    const TemplateServices& m_services;
    PictureChooser m_chooser;
    RefilledComboBox* ImageFilename;
    QSpinBox* ImageWidth;
    QSpinBox* ImageHeight;
    QComboBox* ImageAlignment;
    bool m_showing = false;
};

class TemplateLinkPage : public QWidget {
    Q_OBJECT
public:
    explicit TemplateLinkPage(const TemplateServices& services);
    tessera::generators::TemplateLink fields() const;
    void showFields(const tessera::generators::TemplateLink& fields);

Q_SIGNALS:
    // The user left "Text to display:".
    void displayedTextLeft();

private:
    void MailToClick();
    void LinkStyleChange();

    PictureChooser m_chooser;
    QLabel* m_urlLabel;
    RefilledComboBox* URLLink;
    QLineEdit* DisplayedText;
    QComboBox* LinkAlignment;
    QCheckBox* MailTo;
    QComboBox* LinkStyle;
    QLabel* m_graphicLabel;
    RefilledComboBox* DisplayedGraphic;
    QWidget* m_graphicRow;
};

class TemplateBodyPage : public QWidget {
    Q_OBJECT
public:
    explicit TemplateBodyPage(const TemplateServices& services);
    tessera::generators::TemplateBody fields() const;
    void showFields(const tessera::generators::TemplateBody& fields);

private:
    // A colour box with its button and the label that shows the colour.
    struct ColourBox {
        QLineEdit* edit;
        QLabel* label;
    };
    ColourBox addColour(QFormLayout* form, const QString& caption, const char* name);
    void chooseColour(const ColourBox& box);

    const TemplateServices& m_services;
    PictureChooser m_chooser;
    ColourBox m_text;
    ColourBox m_link;
    ColourBox m_active;
    ColourBox m_visited;
    ColourBox m_background;
    QLineEdit* BackgroundImageFilename;
    QCheckBox* bgProperties;
    QSpinBox* LeftMargin;
    QSpinBox* RightMargin;
};

// The body fields a BODY line holds, read by the program's one BODY tag reader.
tessera::generators::TemplateBody bodyFieldsOf(const QString& line);
