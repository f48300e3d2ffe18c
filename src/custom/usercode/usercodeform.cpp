#include "custom/usercode/usercodeform.h"

#include "custom/shared/textdatafile.h"
#include "workspace/tags/usermenu.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <utility>

namespace {

struct MenuFile {
    QString caption;
    QString fileName;
};

const MenuFile menuFiles[TUserCodeForm::fileCount] = {
    {QStringLiteral("Block Tags"), UserMenu::blockTagsFile},
    {QStringLiteral("Text Attributes"), UserMenu::textAttributesFile},
    {QStringLiteral("Additional Tags"), UserMenu::additionalTagsFile},
};

} // namespace

TUserCodeForm::TUserCodeForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Definable Tags"));
    for (int i = 0; i < fileCount; ++i) {
        m_areas[i] = new QPlainTextEdit(this);
        m_areas[i]->setObjectName(menuFiles[i].fileName);
        m_areas[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_tabs->addTab(m_areas[i], menuFiles[i].caption);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    buttons->addButton(QDialogButtonBox::Close);
    connect(ok, &QPushButton::clicked, this, &TUserCodeForm::BitBtn1Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(480, 360);
}

void TUserCodeForm::FormShow()
{
    m_tabs->setCurrentIndex(0);
    for (int i = 0; i < fileCount; ++i) {
        const TextDataFile::ReadResult file = TextDataFile::read(m_host.filePath(menuFiles[i].fileName));
        m_writable[i] = file.state != TextDataFile::ReadResult::State::Unreadable;
        m_areas[i]->setPlainText(file.text);
        m_areas[i]->setReadOnly(!m_writable[i]);
        if (!m_writable[i]) {
            m_areas[i]->setPlaceholderText(QStringLiteral("\"%1\" could not be read: %2")
                                               .arg(menuFiles[i].fileName, file.errorString));
        }
    }
}

void TUserCodeForm::BitBtn1Click()
{
    if (!writeFiles())
        return;
    if (m_host.rebuildMenus)
        m_host.rebuildMenus();
    accept();
}

bool TUserCodeForm::writeFiles()
{
    auto fail = [this](const QSaveFile& file) {
        if (m_host.reportFailure) {
            m_host.reportFailure(windowTitle(),
                                 QStringLiteral("Could not write \"%1\": %2").arg(file.fileName(), file.errorString()));
        }
        return false;
    };
    // Every file is written in full before any replaces its old version, so one that cannot be
    // written leaves all three as they were.
    std::unique_ptr<QSaveFile> files[fileCount];
    for (int i = 0; i < fileCount; ++i) {
        if (!m_writable[i])
            continue;
        files[i] = std::make_unique<QSaveFile>(m_host.filePath(menuFiles[i].fileName));
        const QByteArray bytes = TextDataFile::bytesFromText(m_areas[i]->toPlainText());
        if (!files[i]->open(QIODevice::WriteOnly) || files[i]->write(bytes) != bytes.size())
            return fail(*files[i]);
    }
    for (const auto& file : files) {
        if (file && !file->commit())
            return fail(*file);
    }
    return true;
}
