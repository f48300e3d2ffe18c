#pragma once

#include <QObject>

class TForm1;
class WorkspaceWiring;

// Joins the settings dialogs to the main window: each opens from its menu command, and what the
// user confirms takes effect at once and reaches the settings record, which is stored at exit.
class OptionsWiring : public QObject {
    Q_OBJECT
public:
    OptionsWiring(TForm1& window, WorkspaceWiring& workspace);

private:
    void GeneralPreferencesClick();
    void ModifyMenuTagsClick();
    QString findBrowser();

    TForm1& m_window;
    WorkspaceWiring& m_workspace;
};
