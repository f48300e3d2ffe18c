#pragma once

#include "custom/buttons/buttonfile.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <map>

class AlignmentPopup;
class QToolButton;
class QWidget;
class TagInserter;

using ButtonArray = std::array<QToolButton*, ButtonFile::slotCount>;

// Creates the buttons 0 ... highest of a tab, hidden until they are assigned.
void CreateButtons(QWidget* tab, ButtonArray& array, int highest);
// A button's caption showing the text as typed: "&" would otherwise mark a shortcut.
QString buttonCaption(const QString& text);

// Where a data file of the program directory is, found without regard to case.
using DataFileLocator = std::function<QString(const QString& name)>;

// The main window's four tabs of user-defined buttons, built from the button files.
class CustomButtons : public QObject {
    Q_OBJECT
public:
    CustomButtons(TagInserter* inserter, AlignmentPopup* popup, DataFileLocator locate, QObject* parent = nullptr);

    // Creates every tab's buttons and assigns them from the tab's file; a tab whose file is
    // missing or unreadable gets no buttons. Returns the read failures, one per line.
    QString build(const std::array<QWidget*, ButtonFile::pageCount>& tabs);
    // Reloads one tab from its file, as after the setup dialog's OK.
    QString reload(int page);
    QString filePath(int page) const { return m_locate(ButtonFile::fileName(page)); }

    void ReassignButtons(QWidget* tab, ButtonArray& array, const QStringList& list, int highest);

    const ButtonArray& buttons(int page) const { return m_arrays.at(page); }

private:
    QString loadButtonText(int page);
    void clicked(QToolButton* button);

    TagInserter* m_inserter;
    AlignmentPopup* m_popup;
    DataFileLocator m_locate;
    std::array<QWidget*, ButtonFile::pageCount> m_tabs {};
    std::array<ButtonArray, ButtonFile::pageCount> m_arrays {};
    std::map<QToolButton*, ButtonFile::Button> m_bindings;
    // The lines of the file being assigned.
    QStringList m_buttonText;
};
