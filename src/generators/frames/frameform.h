#pragma once

#include "generators/builders/framelayout.h"
#include "generators/frames/framewizardprompts.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QSplitter;
class QStackedWidget;

namespace tessera::viewer {
class TPageViewer;
}

// "Frame Creation": the user shapes up to three rows of up to three frames by dragging splitter
// bars (or the scroll bars that mirror them), steps through the frames left shown to give each
// its file, name and settings, and ends by replacing the page with the frameset document.
class TFrameForm : public QDialog {
    Q_OBJECT

public:
    enum class Page { Start, FrameSettings };
    // The main splitter, then the splitters of rows 1 to 3.
    static constexpr int splitterCount = 4;

    struct Host {
        // Replaces the whole page with the lines, as one step the user can undo.
        std::function<void(const QStringList& lines)> replacePage;
        // Frame files are chosen and shown relative to it.
        QString pageDirectory;
    };

    TFrameForm(Host host, std::unique_ptr<FrameWizardPrompts> prompts, QWidget* parent = nullptr);
    ~TFrameForm() override;

    Page page() const;
    // 1 to 9 while a frame is being edited, 0 on the first page.
    int currentFrame() const { return m_current; }
    const tessera::generators::FrameGrid& grid() const { return m_grid; }
    const tessera::generators::FrameRecords& frames() const { return m_frames; }
    tessera::viewer::TPageViewer* cell(int number) const { return m_cells[std::size_t(number - 1)]; }
    QSplitter* splitter(int index) const { return m_splitters[std::size_t(index)]; }

    void NextClick();
    void PrevClick();
    void FinishedClick();
    void OpenSettingsClick();
    void SaveSettingsClick();
    void BrowseClick();

protected:
    // A click on a frame in the picture picks that frame while frames are being edited.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildGrid();
    QWidget* buildStartPage();
    QWidget* buildFramePage();
    void buildMenu();

    tessera::generators::DividerPair& dividers(int index);
    // Takes a divider pair for a splitter and shows it on the splitter, its scroll bars and labels.
    void setDividers(int index, tessera::generators::DividerPair pair);
    void showDividersOnSplitter(int index);
    void showDividersOnScrollBars(int index);
    void splitterMoved(int index, int handle);
    void scrollBarMoved(int index, int bar, int value);
    void setOrientation(tessera::generators::FrameOrientation orientation);
    void setSplittersMovable(bool movable);

    void showStartPage();
    void showFrame(int number);
    void nameShownFrames();
    void refreshCell(int number);
    void storeFrameSettings();
    bool storeSource();
    bool storeName();
    // Stores every frame control; false, after a warning, when a text cannot be stored.
    bool commitFrame();
    void insertDocument();

    Host m_host;
    std::unique_ptr<FrameWizardPrompts> m_prompts;
    tessera::generators::FrameGrid m_grid;
    tessera::generators::FrameRecords m_frames;
    int m_current = 0;
    QString m_settingsName;
    // Set while the wizard fills its own controls, so their change handlers stay quiet.
    bool m_filling = false;

    std::array<QSplitter*, splitterCount> m_splitters {};
    std::array<tessera::viewer::TPageViewer*, tessera::generators::frameCount> m_cells {};
    std::array<std::array<QScrollBar*, 2>, splitterCount> m_bars {};
    std::array<std::array<QLabel*, 2>, splitterCount> m_barLabels {};

    QStackedWidget* Notebook;
    QLineEdit* PageTitle;
    QButtonGroup* Orientation;
    QCheckBox* NoFrame;
    QLabel* m_frameCaption;
    QLineEdit* SrcName;
    QPushButton* m_browse;
    QLineEdit* FrameName;
    QButtonGroup* Scrolling;
    QCheckBox* AllowResize;
    QSpinBox* MarginWidth;
    QSpinBox* MarginHeight;
    QPushButton* Prev;
    QPushButton* Next;
    QPushButton* Finished;
};
