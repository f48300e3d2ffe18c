#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TLEdit;

// The editor's find and replace dialog. It stays open while the user steps through matches and
// reports a failed search in its own status line; the editor's selection shows each match.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };

    FindDialog(TLEdit* editor, Mode mode, QWidget* parent = nullptr);

    QLineEdit* findField() const { return m_findField; }
    QLineEdit* replaceField() const { return m_replaceField; }
    QCheckBox* matchCaseBox() const { return m_matchCase; }
    QCheckBox* wholeWordsBox() const { return m_wholeWords; }
    QRadioButton* upButton() const { return m_up; }
    QPushButton* findNextButton() const { return m_findNext; }
    QPushButton* replaceButton() const { return m_replace; }
    QPushButton* replaceAllButton() const { return m_replaceAll; }
    QString status() const;

private:
    void takeFields();
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();
    void updateButtons();

    TLEdit* m_editor;
    QLineEdit* m_findField = nullptr;
    QLineEdit* m_replaceField = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWords = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_replaceAll = nullptr;
    QLabel* m_status = nullptr;
};

// Asks for a line number and puts the caret at the start of that line.
class GoToLineDialog : public QDialog {
    Q_OBJECT
public:
    explicit GoToLineDialog(TLEdit* editor, QWidget* parent = nullptr);

    QSpinBox* lineBox() const { return m_line; }
    void accept() override;

private:
    TLEdit* m_editor;
    QSpinBox* m_line = nullptr;
};
