#pragma once

#include "generators/builders/tablelines.h"
#include "generators/table/tablewizardprompts.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace tessera::viewer {
class TPageViewer;
}

// "Table Rivi Roz": builds a table from a number of rows and columns, then lets the user set the
// table's and each cell's attributes by clicking the cells' stars in the preview. The lines are
// handed to `insertLines` on "Insert and Return".
class TTblCreateForm : public QDialog {
    Q_OBJECT

public:
    enum class Page { Main, TableAttributes, CellsAttributes };

    TTblCreateForm(std::function<void(const QStringList&)> insertLines, std::unique_ptr<TableWizardPrompts> prompts,
                   QWidget* parent = nullptr);
    ~TTblCreateForm() override;

    const tessera::generators::TableLines& workingLines() const { return m_lines; }
    Page page() const;
    tessera::viewer::TPageViewer* preview() const { return Preview; }

    void TblBuildClick();
    // A click on a link in the preview.
    void PreviewHotSpotClick(const QString& target, bool* handled);
    void DeleteCellClick();
    void AddCellClick();
    void AddRowClick();
    void ViewClick();
    void CopyHtmlClick();
    // False when the user cancelled or the file could not be written.
    bool SaveTableDefinitionClick();
    void OpenTableDefinitionClick();
    void InsertAndReturnClick();
    void AbandonAndReturnClick();
    void NextClick();
    void PreviousClick();

    // Leaving by Escape or the window's close button asks about unsaved changes too.
    void reject() override;

private:
    void buildControls();
    void buildMenus();
    QWidget* buildMainPage();
    QWidget* buildTablePage();
    QWidget* buildCellsPage();
    QPushButton* colourButton(QLineEdit* edit, std::function<void()> changed);

    tessera::generators::TableAttributes tableAttributesFromControls() const;
    void showTableAttributes(const tessera::generators::TableAttributes& attributes);
    tessera::generators::TableCell cellFromControls() const;
    void showCell(const tessera::generators::TableCell& cell);
    tessera::generators::WhereToAdd whereToAdd() const;
    void resetTableControls();

    void updateTableView();
    void updateCell();
    void setCellControlsEnabled(bool enabled);
    void commitFocusedEdit();
    void showPage(int index);
    void updateTableMenu();
    void reloadPreview();
    // Asks about unsaved changes; false when the user stays in the wizard.
    bool leaveWithChangesSettled();

    std::function<void(const QStringList&)> m_insertLines;
    std::unique_ptr<TableWizardPrompts> m_prompts;
    tessera::generators::TableLines m_lines;
    // Set while the wizard fills its own controls, so their change handlers stay quiet.
    bool m_updating = false;
    QString m_fileName;

    QStackedWidget* Notebook;
    QLabel* m_pageTitle;
    QPushButton* Previous;
    QPushButton* Next;
    tessera::viewer::TPageViewer* Preview;

    QSpinBox* TblCols;
    QSpinBox* TblRows;
    QPushButton* TblBuild;
    QCheckBox* Confirm;

    QLineEdit* TblCaption;
    QSpinBox* TblCaptionSize;
    QButtonGroup* TblCaptionPosition;
    QSpinBox* TblPadding;
    QSpinBox* TblSpacing;
    QSpinBox* TblBorder;
    QSpinBox* TblWidth;
    QButtonGroup* TblAlignment;
    QLineEdit* OriginalColor;
    QLineEdit* BorderColor;

    QSpinBox* RowSpan;
    QSpinBox* ColSpan;
    QComboBox* valign;
    QComboBox* halign;
    QCheckBox* CellHeader;
    QLineEdit* CellText;
    QLineEdit* CellColor;
    QPushButton* DeleteCell;
    QButtonGroup* WhereToAdd;
    QPushButton* AddCell;
    QPushButton* AddRow;

    QMenu* m_tableMenu;
    QAction* m_viewAction;
    QAction* m_copyAction;
};
