#pragma once
// The spell-check component: walks a control's text word by word, asks the spelling engine about
// each word and, for an unknown one, selects it and waits for the correction dialog's answer.
// TSpellDlg checks plain edit controls; TLEditSpellDlg also checks the editor control.
#include "spell/dialogs/spelloptions.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
class TAbsBuffer;
class TAbsSpellDialog;
class TLEdit;
namespace tessera::spell {
class TDictionary;
}

// The message boxes of a check; tests put in their own.
class SpellPrompts {
public:
    virtual ~SpellPrompts() = default;
    virtual void information(QWidget* parent, const QString& text);
    virtual void error(QWidget* parent, const QString& text);
    // True for Yes.
    virtual bool question(QWidget* parent, const QString& text);
};

class TSpellDlg : public QObject {
    Q_OBJECT
public:
    explicit TSpellDlg(QWidget* parentWindow = nullptr);
    ~TSpellDlg() override;

    const SpellOptions& options() const { return m_options; }
    // Takes every option; a changed dialog style makes a new dialog.
    void setOptions(const SpellOptions& options);
    void setDialogStyle(TDialogTypes style);
    // 0 becomes 1 and above 255 becomes 255, each with its message.
    void setSuggestions(int count);

    void setPrompts(std::shared_ptr<SpellPrompts> prompts);

    // Checks one control: SpellResult::NothingReplaced, Replaced or Closed. A control this
    // component cannot check gives "Error : Unknown control." and NothingReplaced.
    int SpellCheck(QWidget* control);
    // Checks every control the container owns that this component can check, in order; a closed
    // dialog stops the run. One end message covers the whole run.
    int CheckAllFields(QWidget* container);

    bool running() const { return m_running; }
    TAbsSpellDialog* dialog() const { return m_dialog.get(); }
    // The dictionary file the check opens (directory and name).
    QString mainDictionaryPath() const;

    QStringList skipAllWords() const { return m_skipAll; }
    QStringList replaceAllSources() const { return m_replaceSource; }
    QStringList replaceAllTargets() const { return m_replaceTarget; }

Q_SIGNALS:
    // A check started (true) or ended (false). While it runs, the owner keeps the text's page
    // from being switched or closed.
    void checkRunning(bool running);
    // The dialog shows an unknown word and waits for an answer.
    void wordShown(const QString& word);

protected:
    // The buffer for a control this component can check, or null.
    virtual std::unique_ptr<TAbsBuffer> makeBuffer(QWidget* control);
    virtual bool canCheck(QWidget* control) const;
    // Saves what the check changes about the control (selection, read-only) and restores it.
    virtual void prepareControl(QWidget* control);
    virtual void restoreControl(QWidget* control);

private:
    enum class Outcome { Finished, Closed };
    int checkOne(QWidget* control, bool endMessage);
    Outcome runCheck(TAbsBuffer& buffer, bool& replaced);
    bool openEngine();
    void closeEngine();
    void showDialog();
    void placeDialog(int wordScreenY);
    void addWord(const QString& word);
    QWidget* parentWindow() const { return m_parentWindow; }

    QPointer<QWidget> m_parentWindow;
    SpellOptions m_options;
    std::unique_ptr<TAbsSpellDialog> m_dialog;
    std::shared_ptr<SpellPrompts> m_prompts;
    std::unique_ptr<tessera::spell::TDictionary> m_engine;
    QStringList m_skipAll;
    QStringList m_replaceSource;
    QStringList m_replaceTarget;
    bool m_running = false;

    // Saved state of a plain edit control during its check.
    int m_savedStart = 0;
    int m_savedLength = 0;
    bool m_savedReadOnly = false;
};

class TLEditSpellDlg : public TSpellDlg {
    Q_OBJECT
public:
    explicit TLEditSpellDlg(QWidget* parentWindow = nullptr);

protected:
    std::unique_ptr<TAbsBuffer> makeBuffer(QWidget* control) override;
    bool canCheck(QWidget* control) const override;
    void prepareControl(QWidget* control) override;
    void restoreControl(QWidget* control) override;

private:
    int m_startLine = 0;
    int m_startPos = 0;
    int m_endLine = 0;
    int m_endPos = 0;
    bool m_editorReadOnly = false;
};

// The main window's entry point for the Spell Checker button and menu command.
class SpellCheckCommand : public QObject {
    Q_OBJECT
public:
    explicit SpellCheckCommand(QWidget* window);
    TLEditSpellDlg& component() { return m_component; }
    void setOptions(const SpellOptions& options) { m_component.setOptions(options); }
    // Checks the editor; does nothing while a check runs. Returns the check's result, or -1 when
    // nothing was checked.
    int run(TLEdit* editor, QWidget* parent = nullptr);
    bool running() const { return m_component.running(); }

Q_SIGNALS:
    void checkRunning(bool running);

private:
    TLEditSpellDlg m_component;
};
