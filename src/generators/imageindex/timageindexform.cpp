#include "generators/imageindex/timageindexform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Filter {
    const char* caption;
    const char* masks;
};

constexpr Filter kFilters[] = {
    {"All Images", "*.gif;*.jpg"},
    {"GIF Images", "*.gif"},
    {"JPEG Images", "*.jpg"},
};

QStringList masksOf(int filter)
{
    return QString::fromLatin1(kFilters[filter].masks).split(QLatin1Char(';'));
}

} // namespace

QStringList imageFilesIn(const QString& folder, const QStringList& masks)
{
    QDir dir(folder);
    // Name filters of QDir ignore case unless told otherwise, so "A.GIF" is listed too.
    return dir.entryList(masks, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

TImageIndexForm::TImageIndexForm(const QString& startFolder, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Image Index"));
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());

    DirectoryListBox1 = new QTreeView;
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();
    DirLabel = new QLabel;
    DirLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileListBox1 = new QListWidget;
    FileEdit = new QLineEdit;
    FileEdit->setReadOnly(true);
    FilterComboBox1 = new QComboBox;
    for (const Filter& filter : kFilters)
        FilterComboBox1->addItem(QString::fromLatin1(filter.caption) + QStringLiteral(" (")
                                 + QString::fromLatin1(filter.masks) + QLatin1Char(')'));

    auto* buttons = new QDialogButtonBox;
    QPushButton* create = buttons->addButton(QStringLiteral("Create"), QDialogButtonBox::AcceptRole);
    create->setObjectName(QStringLiteral("CreateButton"));
    create->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("File &name:")), 0, 0);
    grid->addWidget(FileEdit, 1, 0);
    grid->addWidget(FileListBox1, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("List files of &type:")), 3, 0);
    grid->addWidget(FilterComboBox1, 4, 0);
    grid->addWidget(new QLabel(QStringLiteral("&Folders:")), 0, 1);
    grid->addWidget(DirLabel, 1, 1);
    grid->addWidget(DirectoryListBox1, 2, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(560, 380);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(DirectoryListBox1, &QTreeView::activated, this,
            [this](const QModelIndex& index) { setFolder(m_folders->filePath(index)); });
    connect(DirectoryListBox1, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { setFolder(m_folders->filePath(index)); });
    // The model loads in the background; each folder on the way down that arrives is opened.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (m_folder.startsWith(path))
            revealFolder();
    });
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this] { refreshFiles(); });
    connect(FileListBox1, &QListWidget::currentTextChanged, FileEdit, &QLineEdit::setText);

    setFolder(QFileInfo(startFolder).isDir() ? startFolder : QDir::homePath());
}

QStringList TImageIndexForm::listedFiles() const
{
    QStringList names;
    for (int row = 0; row < FileListBox1->count(); ++row)
        names << FileListBox1->item(row)->text();
    return names;
}

void TImageIndexForm::setFolder(const QString& folder)
{
    m_folder = QDir::cleanPath(QDir(folder).absolutePath());
    DirLabel->setText(QDir::toNativeSeparators(m_folder));
    revealFolder();
    refreshFiles();
}

void TImageIndexForm::revealFolder()
{
    const QModelIndex index = m_folders->index(m_folder);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        if (m_folders->canFetchMore(parent))
            m_folders->fetchMore(parent);
        DirectoryListBox1->expand(parent);
    }
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TImageIndexForm::setFilter(int index) { FilterComboBox1->setCurrentIndex(index); }

void TImageIndexForm::refreshFiles()
{
    const int filter = std::max(0, FilterComboBox1->currentIndex());
    FileListBox1->clear();
    FileListBox1->addItems(imageFilesIn(m_folder, masksOf(filter)));
    FileEdit->setText(QString::fromLatin1(kFilters[filter].masks));
}
