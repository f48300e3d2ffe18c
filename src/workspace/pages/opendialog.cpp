#include "workspace/pages/opendialog.h"

#include "viewer/control/pageviewer.h"

#include "workspace/pages/pagefilters.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include <functional>

bool isImageFileName(const QString& fileName)
{
    const QString upper = fileName.toUpper();
    return upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".GIF"))
        || upper.contains(QLatin1String(".BMP"));
}

QString imagePreviewHtml(const QString& fileName)
{
    return QStringLiteral("<IMG SRC=\"") + fileName + QStringLiteral("\">");
}

QString joinDirectoryAndFile(const QString& directory, const QString& fileName)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + fileName;
    return directory + QLatin1Char('/') + fileName;
}

namespace {

// Enter in the file list acts as OK.
class FileList : public QListWidget
{
public:
    using QListWidget::QListWidget;
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
            onEnter();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

TOpenHTMLForm::TOpenHTMLForm(QWidget* parent)
    : QDialog(parent)
    , m_driveBox(new QComboBox(this))
    , m_directoryList(new QListWidget(this))
    , m_fileList(new FileList(this))
    , m_filterBox(new QComboBox(this))
    , m_directoryLabel(new QLabel(this))
    , FileToLoad(new QLineEdit(this))
    , OpenViewer(new tessera::viewer::TPageViewer(this))
    // Masks are case-sensitive here, and ".html" is the commoner of the two.
    , m_mask({QStringLiteral("*.htm"), QStringLiteral("*.html")})
{
    setWindowTitle(QStringLiteral("Open HTML Page"));
    FileToLoad->setObjectName(QStringLiteral("FileToLoad"));
    OpenViewer->setObjectName(QStringLiteral("OpenViewer"));
    OpenViewer->setMinimumSize(220, 180);
    OpenViewer->setDefBackground(Qt::white);
    OpenViewer->setImageCacheCount(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("File name:"), this), 0, 0);
    layout->addWidget(FileToLoad, 1, 0);
    layout->addWidget(m_fileList, 2, 0, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral("List files of type:"), this), 5, 0);
    layout->addWidget(m_filterBox, 6, 0);
    layout->addWidget(new QLabel(QStringLiteral("Directories:"), this), 0, 1);
    m_directoryLabel->setObjectName(QStringLiteral("DirectoryLabel"));
    layout->addWidget(m_directoryLabel, 7, 0, 1, 3);
    layout->addWidget(m_directoryList, 1, 1, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("Drives:"), this), 5, 1);
    layout->addWidget(m_driveBox, 6, 1);
    layout->addWidget(OpenViewer, 0, 2, 5, 1);
    layout->addWidget(buttons, 6, 2);

    connect(buttons, &QDialogButtonBox::accepted, this, &TOpenHTMLForm::OKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_driveBox, &QComboBox::activated, this, [this](int index) {
        setDirectory(m_driveBox->itemData(index).toString());
    });
    connect(m_directoryList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setDirectory(item->data(Qt::UserRole).toString());
    });
    connect(m_fileList, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            FileListBox1Change(name);
    });
    connect(m_fileList, &QListWidget::itemDoubleClicked, this, [this] { OKClick(); });
    static_cast<FileList*>(m_fileList)->onEnter = [this] { OKClick(); };
    connect(m_filterBox, &QComboBox::activated, this, &TOpenHTMLForm::applyFilterIndex);

    fillDrives();
    setDirectory(QDir::currentPath());
}

void TOpenHTMLForm::setFilter(const QString& pipeFilter)
{
    m_filter = pipeFilter;
    m_filterBox->clear();
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty())
            m_filterBox->addItem(parts[i] + QStringLiteral(" (")
                                 + parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '))
                                 + QLatin1Char(')'));
    }
    // The list starts with the dialog's own mask; choosing a filter replaces it.
}

void TOpenHTMLForm::applyFilterIndex(int index)
{
    m_mask = filterPatterns(m_filter, index + 1);
    fillFiles();
}

void TOpenHTMLForm::setDirectory(const QString& directory)
{
    const QDir dir(directory);
    if (!dir.exists())
        return;
    m_directory = QDir::cleanPath(dir.absolutePath());
    m_directoryLabel->setText(QDir::toNativeSeparators(m_directory));
    // The drive box shows the volume that holds the directory.
    const int drive = m_driveBox->findData(QStorageInfo(m_directory).rootPath());
    if (drive >= 0)
        m_driveBox->setCurrentIndex(drive);
    fillDirectories();
    fillFiles();
}

QString TOpenHTMLForm::fileToLoadText() const
{
    return FileToLoad->text();
}

void TOpenHTMLForm::fillDrives()
{
    m_driveBox->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            m_driveBox->addItem(volume.rootPath(), volume.rootPath());
    }
    m_driveBox->addItem(QDir::homePath(), QDir::homePath());
}

void TOpenHTMLForm::fillDirectories()
{
    m_directoryList->clear();
    QDir dir(m_directory);
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), m_directoryList);
        up->setData(Qt::UserRole, QDir::cleanPath(m_directory + QStringLiteral("/..")));
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(name, m_directoryList);
        item->setData(Qt::UserRole, dir.filePath(name));
    }
}

void TOpenHTMLForm::fillFiles()
{
    m_fileList->clear();
    const QDir dir(m_directory);
    m_fileList->addItems(dir.entryList(m_mask, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TOpenHTMLForm::FileListBox1Change(const QString& fileName)
{
    const QString path = joinDirectoryAndFile(m_directory, fileName);
    // A preview that cannot be shown (an unreadable file) just stays empty; OK still decides.
    if (isImageFileName(fileName)) {
        m_previewHtml = imagePreviewHtml(fileName);
        OpenViewer->setViewImages(true);
        // The picture is named by its whole path: the program's working directory is not the
        // dialog's directory.
        OpenViewer->LoadTextBlock(imagePreviewHtml(QDir(m_directory).absoluteFilePath(fileName)).toUtf8());
    } else {
        m_previewHtml.clear();
        OpenViewer->setViewImages(false);
        OpenViewer->LoadDocFile(path);
    }
    FileToLoad->setText(path);
}

void TOpenHTMLForm::OKClick()
{
    const QString name = FileToLoad->text();
    m_pageToOpen = isImageFileName(name) ? QString() : name;
    accept();
}
