#include "app/imageindexwiring.h"

#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/builders/imageindex.h"
#include "generators/imageindex/timageindexform.h"
#include "workspace/pages/pagemanager.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace tessera::generators;

namespace {

const QString kTitle = QStringLiteral("Image Index");

} // namespace

ImageIndexWiring::ImageIndexWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
    , m_folder(QDir::homePath())
{
    window.commands().setHandler(Command::FileCreateImageIndex, [this] { CreateIndexofImages1Click(); });
}

bool ImageIndexWiring::openIndexPage()
{
    const QString name = m_window.programDirectory().filePath(QString::fromLatin1(kImageIndexFileName.data(),
                                                                                   kImageIndexFileName.size()));
    if (!QFileInfo::exists(name)) {
        QSaveFile file(name);
        const QByteArray page = QByteArray::fromStdString(newImageIndexPage());
        if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size() || !file.commit()) {
            m_window.reportFailure(kTitle, QStringLiteral("Could not create ") + QDir::toNativeSeparators(name)
                                               + QStringLiteral(": ") + file.errorString());
            return false;
        }
    }
    return m_window.workspace().pages().LoadFile(name, false)
        && QFileInfo(m_window.workspace().pages().currentFile()) == QFileInfo(name);
}

void ImageIndexWiring::CreateIndexofImages1Click()
{
    if (!openIndexPage())
        return;
    TImageIndexForm form(m_folder, &m_window);
    if (form.exec() == QDialog::Accepted) {
        m_folder = form.folder();
        ImageIndexFolder folder;
        folder.path = QDir::toNativeSeparators(form.folder()).toStdString();
        folder.separator = QDir::separator().toLatin1();
        for (const QString& name : form.listedFiles())
            folder.names.push_back(name.toStdString());
        TLEdit* page = m_window.webPage();
        page->appendText(QString::fromStdString(imageIndexAppendix(page->Text().toStdString(), folder)));
    }
    m_window.workspace().preview().controller().UpdateWebView();
}
