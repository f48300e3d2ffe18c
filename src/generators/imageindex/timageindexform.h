#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeView;

// "Image Index": choose a folder and a filter; "Create" accepts with the folder's listed
// files. The dialog keeps its own folder and never changes the program's working directory.
class TImageIndexForm : public QDialog {
    Q_OBJECT
public:
    explicit TImageIndexForm(const QString& startFolder, QWidget* parent = nullptr);

    QString folder() const { return m_folder; }
    // The names in the file list, in list order.
    QStringList listedFiles() const;

    void setFolder(const QString& folder);
    // 0 "All Images", 1 "GIF Images", 2 "JPEG Images".
    void setFilter(int index);

private:
    void refreshFiles();
    void revealFolder();

    QString m_folder;
    QFileSystemModel* m_folders = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QLabel* DirLabel = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QLineEdit* FileEdit = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
};

// The regular files of a folder matching the masks in either case, sorted by name ignoring case.
QStringList imageFilesIn(const QString& folder, const QStringList& masks);
