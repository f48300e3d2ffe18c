#include "app/newpagewiring.h"

#include "app/editingwiring.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "custom/newpage/initialvaluesform.h"
#include "editor/tledit.h"
#include "workspace/editing/pagetextcommands.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/preview/previewcontroller.h"
#include "workspace/tags/taginserter.h"

#include <QColorDialog>
#include <QFileDialog>

NewPageWiring::NewPageWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
{
    window.workspace().pages().setNewPageBuilder([this] { return buildNewPage(); });
}

bool NewPageWiring::buildNewPage()
{
    WorkspaceWiring& workspace = m_window.workspace();
    PageTextCommands& body = workspace.editing().pageText();
    TLEdit* editor = m_window.webPage();

    TInitialValuesForm::Host host;
    host.pageFile = workspace.pages().currentFile();
    host.programDirectory = m_window.programDirectory().path();
    host.authorName = m_window.settings().defaults.authorName;
    host.chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, &m_window);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    host.chooseImage = [this](const QString& startDirectory) {
        return QFileDialog::getOpenFileName(&m_window, QStringLiteral("Open"), startDirectory,
                                            QStringLiteral("Images (*.gif *.jpg *.jpeg *.png *.bmp *.GIF *.JPG *.JPEG "
                                                           "*.PNG *.BMP);;All files (*)"));
    };
    host.insertLines = [editor, &workspace](const QStringList& lines) {
        editor->setEnabled(true);
        workspace.tags().insertLines(lines);
    };
    host.clearPage = [editor] { editor->clearAll(); };
    host.rememberColour = [&body](const QString& attribute, const QColor& colour) {
        body.rememberPageColour(attribute, colour);
    };
    host.rememberBackground = [&body](const QString& picture) { body.rememberBackgroundImage(picture); };
    host.storeAuthorName = [this](const QString& name) { m_window.settings().defaults.authorName = name; };
    host.reportFailure = [this](const QString& title, const QString& text) { m_window.reportFailure(title, text); };
    host.refreshPreview = [&workspace] { workspace.preview().controller().UpdateWebView(); };
    host.keepPicturesWithPage = [&workspace](const QStringList& names) { workspace.pages().addCompanions(names); };

    TInitialValuesForm form(host, &m_window);
    return form.exec() == QDialog::Accepted;
}
