#include "app/optionswiring.h"

#include "app/fontformwiring.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "custom/general/gensetform.h"
#include "custom/usercode/usercodeform.h"
#include "workspace/preview/searchform.h"

OptionsWiring::OptionsWiring(TForm1& window, WorkspaceWiring& workspace)
    : QObject(&window)
    , m_window(window)
    , m_workspace(workspace)
{
    window.commands().setHandler(Command::OptionsGeneralPreferences, [this] { GeneralPreferencesClick(); });
    window.commands().setHandler(Command::CodesModifyMenuTags, [this] { ModifyMenuTagsClick(); });
    new FontFormWiring(window);
}

void OptionsWiring::GeneralPreferencesClick()
{
    TGenSetForm::Host host;
    host.showExtensionHelper = [this] { m_window.showHelper(Helper::SettingADefaultExtension); };
    host.chooseBrowser = [this] { return findBrowser(); };
    host.warn = [this](const QString& text) { m_window.reportFailure(QStringLiteral("Warning"), text); };
    TGenSetForm form(host, &m_window);
    SettingsRecord& settings = m_window.settings();
    form.FormShow(generalSettings(settings));
    if (form.exec() != QDialog::Accepted)
        return;
    storeGeneralSettings(form.values(), settings);
    // Everything else the dialog sets is read where it is used: tag insertion, the open
    // dialog's filter and the browsers take the record's values at each use.
    m_window.showCustomTabs();
    m_workspace.preview().controller().setLivePreview(settings.defaults.autoUpdate);
    m_workspace.applySpellSettings();
}

void OptionsWiring::ModifyMenuTagsClick()
{
    TUserCodeForm::Host host;
    host.filePath = [this](const QString& name) { return m_window.programDirectory().filePath(name); };
    host.rebuildMenus = [this] { m_workspace.loadUserMenus(); };
    host.reportFailure = [this](const QString& title, const QString& text) { m_window.reportFailure(title, text); };
    TUserCodeForm form(host, &m_window);
    form.FormShow();
    form.exec();
}

QString OptionsWiring::findBrowser()
{
    tessera::workspace::TSearchForm search(&m_window);
    if (search.exec() != QDialog::Accepted)
        return {};
    return search.selectedBrowser();
}
