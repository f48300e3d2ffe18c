#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
namespace tessera::viewer {
class TPageViewer;
}

// The image rule of the open-page dialog: such a name is previewed as a picture and never opened
// as a page.
bool isImageFileName(const QString& fileName);
QString imagePreviewHtml(const QString& fileName);
// The directory, a "/" when it does not already end in one, and the file name.
QString joinDirectoryAndFile(const QString& directory, const QString& fileName);

// "Open HTML Page": drive box, directory list, file list, filter box, file-name edit and a small
// preview of the clicked file: pictures with image display on, pages without their images.
class TOpenHTMLForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOpenHTMLForm(QWidget* parent = nullptr);

    void setFilter(const QString& pipeFilter);
    void setDirectory(const QString& directory);
    QString directory() const { return m_directory; }
    // The page that OK chose, or empty when an image was chosen.
    QString pageToOpen() const { return m_pageToOpen; }
    // The text the preview would show as HTML for the last clicked file (empty for a page file).
    QString previewHtml() const { return m_previewHtml; }
    QString fileToLoadText() const;
    tessera::viewer::TPageViewer* previewViewer() const { return OpenViewer; }

    void FileListBox1Change(const QString& fileName);
    void OKClick();

private:
    void fillDrives();
    void fillDirectories();
    void fillFiles();
    void applyFilterIndex(int index);

    QComboBox* m_driveBox;
    QListWidget* m_directoryList;
    QListWidget* m_fileList;
    QComboBox* m_filterBox;
    QLabel* m_directoryLabel;
    QLineEdit* FileToLoad;
    tessera::viewer::TPageViewer* OpenViewer;
    QString m_filter;
    QStringList m_mask;
    QString m_directory;
    QString m_pageToOpen;
    QString m_previewHtml;
};
