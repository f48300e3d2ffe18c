#pragma once

#include "custom/special/specialcharacters.h"

#include <QDialog>

#include <array>

class QLineEdit;
class SpecialButtons;

// "Special Characters": one row per Special tab button, its character and the HTML code it
// inserts. OK stores the rows and rebuilds the tab's buttons.
class TSpecCharForm : public QDialog {
    Q_OBJECT
public:
    explicit TSpecCharForm(SpecialButtons* buttons, QWidget* parent = nullptr);

    QLineEdit* characterField(int row) const { return m_characters.at(row); }
    QLineEdit* codeField(int row) const { return m_codes.at(row); }

    void BitBtn1Click();
    void BitBtn2Click() { reject(); }

private:
    void FormCreate();

    SpecialButtons* m_buttons;
    std::array<QLineEdit*, SpecialCharacters::slotCount> m_characters {};
    std::array<QLineEdit*, SpecialCharacters::slotCount> m_codes {};
};
