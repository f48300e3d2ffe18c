#pragma once

#include "custom/buttons/custombuttons.h"
#include "custom/special/specialcharacters.h"

#include <QObject>
#include <QSize>
#include <QStringList>

class TagInserter;

// The Special tab's character buttons, each inserting the HTML code stored for its character.
class SpecialButtons : public QObject {
    Q_OBJECT
public:
    explicit SpecialButtons(TagInserter* inserter, QObject* parent = nullptr);

    // Creates the buttons on the tab, each `size` large, and assigns them from the settings store.
    void build(QWidget* tab, QSize size);
    void ReassignSpecialCharacters(QWidget* tab, ButtonArray& array, int highest);
    // Reassigns the tab's buttons after the stored characters changed.
    void reassign() { ReassignSpecialCharacters(m_tab, m_array, SpecialCharacters::slotCount - 1); }

    const ButtonArray& buttons() const { return m_array; }

private:
    TagInserter* m_inserter;
    QWidget* m_tab = nullptr;
    QSize m_size;
    ButtonArray m_array {};
    QStringList m_codes;
};
