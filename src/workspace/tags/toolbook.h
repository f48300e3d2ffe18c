#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class AlignmentPopup;
class QAbstractButton;
class QTabWidget;
class QWidget;
class TagInserter;

// The generator buttons on the tool book. They open other dialogs, so they start disabled
// and the main window enables and connects them once those dialogs exist.
enum class ToolBookGenerator { TableRiviRoz, DataFormRiviRoz, TemplateRiviRoz };

// Builds the tag tabs of the tool book: Font, Format, Lists, Tables, Images, Links, Forms and
// Templates. Every button calls the tag inserter.
class ToolBook : public QObject {
    Q_OBJECT
public:
    explicit ToolBook(TagInserter* inserter, QObject* parent = nullptr);

    static QStringList tabNames();

    // Fills an empty page with the controls of the named tab. Returns false for a name that is
    // not one of tabNames().
    bool fillPage(QWidget* page, const QString& tabName);
    // A new page widget for the tab (null for an unknown name).
    QWidget* buildPage(const QString& tabName);
    // Fills every page of the book whose tab text is one of tabNames(); returns how many.
    int fillPowerBook(QTabWidget* book);

    QAbstractButton* generatorButton(ToolBookGenerator which) const;
    AlignmentPopup* alignmentPopup() const { return m_popup; }

private:
    void buildFont(QWidget* page);
    void buildFormat(QWidget* page);
    void buildLists(QWidget* page);
    void buildTables(QWidget* page);
    void buildImages(QWidget* page);
    void buildLinks(QWidget* page);
    void buildForms(QWidget* page);
    void buildTemplates(QWidget* page);

    TagInserter* m_inserter;
    AlignmentPopup* m_popup;
    QAbstractButton* m_generators[3] = {};
};
