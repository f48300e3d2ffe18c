#pragma once
// The non-modal correction dialog, in three looks. Each button leaves an action code that the
// check loop waits for; hiding the dialog counts as Close.
#include "spell/dialogs/spelloptions.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

class TAbsSpellDialog : public QDialog {
    Q_OBJECT
public:
    using WordList = std::function<QStringList(const QString& word)>;

    explicit TAbsSpellDialog(QWidget* parent = nullptr);

    TDialogTypes style() const { return m_style; }
    int actionCode() const { return m_action; }
    void clearAction() { m_action = SpellAction::None; }
    // Processes events until a button leaves an action or the dialog is hidden (Close).
    int waitForAction();

    // Shows the unknown word and puts it into the replacement field.
    virtual void showWord(const QString& word, const QString& notFoundLabel);
    void setWordLists(WordList suggest, WordList complete, int maximum);
    void fillSuggestions();
    void setShowGlyphs(bool show);
    void setAccentIcons(int accents);

    QLabel* lblFound = nullptr;
    QLabel* lblNotFound = nullptr;
    QLabel* lblReplace = nullptr;
    QLineEdit* edtWord = nullptr;
    QLabel* lblSuggestions = nullptr;
    QListWidget* lstSuggest = nullptr;
    QPushButton* btnReplace = nullptr;
    QPushButton* btnSkip = nullptr;
    QPushButton* btnSkipAll = nullptr;
    QPushButton* btnSuggest = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnReplaceAll = nullptr; // Word and Word Pro looks only
    QWidget* pnlIcons = nullptr;
    QPushButton* btnA = nullptr;
    QPushButton* btnE = nullptr;
    QPushButton* btnI = nullptr;
    QPushButton* btnO = nullptr;
    QPushButton* btnU = nullptr;
    QPushButton* btnN = nullptr;
    QPushButton* btnN2 = nullptr;

Q_SIGNALS:
    void actionChosen(int code);

protected:
    void setStyleType(TDialogTypes style) { m_style = style; }
    void buildCommon();
    QPushButton* actionButton(const QString& text, int code, const QString& icon);
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    void setAction(int code);
    void quickSuggest(const QString& text);
    void insertAccent(const QString& letter);

    TDialogTypes m_style = TDialogTypes::dtWordPerfect;
    int m_action = SpellAction::None;
    bool m_filling = false;
    WordList m_suggest;
    WordList m_complete;
    int m_maximum = 10;
    QList<QPushButton*> m_glyphButtons;
};

class TWPSpellDlg : public TAbsSpellDialog {
    Q_OBJECT
public:
    explicit TWPSpellDlg(QWidget* parent = nullptr);
};

class TMSSpellDlg : public TAbsSpellDialog {
    Q_OBJECT
public:
    explicit TMSSpellDlg(QWidget* parent = nullptr);
    void showWord(const QString& word, const QString& notFoundLabel) override;
    QPushButton* btnAutoCorrect = nullptr;
    QPushButton* btnOptions = nullptr;
    QPushButton* btnUndo = nullptr;
    QPushButton* btnHelp = nullptr;
    QLineEdit* edtCurWord = nullptr;
};

class TW96SpellDlg : public TAbsSpellDialog {
    Q_OBJECT
public:
    explicit TW96SpellDlg(QWidget* parent = nullptr);
};

std::unique_ptr<TAbsSpellDialog> makeSpellDialog(TDialogTypes style, QWidget* parent);
