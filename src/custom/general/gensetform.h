#pragma once

#include "custom/general/generalsettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

// "General Settings": the general preferences on the tabs "General", "Defaults" and
// "Spell Checker". The dialog only collects values; its owner stores and applies them.
class TGenSetForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        // Entering the extension list: the hint on setting a default extension.
        std::function<void()> showExtensionHelper;
        // A browser program found by the user, or "" when none was chosen.
        std::function<QString()> chooseBrowser;
        std::function<void(const QString&)> warn;
    };

    static const QString autoUpdateWarning;

    explicit TGenSetForm(Host host, QWidget* parent = nullptr);

    // Shows the "General" tab with every control holding its value.
    void FormShow(const GeneralSettings& values);
    GeneralSettings values() const;

    void BitBtn2Click();
    void UseAutoUpdateClick();
    void OpenBrowser1Click();
    void OpenBrowser2Click();
    void ValidExtensionsEnter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneralTab();
    QWidget* buildDefaultsTab();
    QWidget* buildSpellTab();
    void browseInto(QLineEdit* field);

    Host m_host;
    QTabWidget* m_tabs;
    QCheckBox* CustomPage[TesseraSettings::customTabCount] = {};
    QCheckBox* UseAutoUpdate = nullptr;
    QCheckBox* UseClosingP = nullptr;
    QCheckBox* UseBR = nullptr;
    QSpinBox* FontAdj = nullptr;
    QCheckBox* Autoload = nullptr;
    QLineEdit* ValidExtensions = nullptr;
    QLineEdit* ValidGraphicExtensions = nullptr;
    QLineEdit* Browser1 = nullptr;
    QLineEdit* Browser2 = nullptr;
    QCheckBox* UseBrowserPrefix1 = nullptr;
    QCheckBox* UseBrowserPrefix2 = nullptr;
    QComboBox* LanguageChoice = nullptr;
    QComboBox* DialogStyle = nullptr;
    QSpinBox* SuggestCount = nullptr;
    QCheckBox* SkipHTML = nullptr;
    QCheckBox* ConfirmAdd = nullptr;
};
