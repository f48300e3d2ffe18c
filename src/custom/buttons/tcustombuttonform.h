#pragma once

#include "custom/buttons/buttonfile.h"
#include "custom/buttons/custombuttons.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

// "Custom Button Setup": edits the four button files, one tab each. Assign changes a slot in
// the dialog's copy; OK writes the four files.
class TCustomButtonForm : public QDialog {
    Q_OBJECT
public:
    TCustomButtonForm(const QStringList& tabCaptions, DataFileLocator locate, QWidget* parent = nullptr);

    QStringList tabCaptions() const;
    const QStringList& lines(int page) const { return m_lists.at(page); }
    bool isModified() const { return m_modified; }

    QTabWidget* pageControl() const { return m_pageControl; }
    QToolButton* setupButton(int page, int slot) const { return m_buttons.at(page).at(slot); }
    QLineEdit* buttonCaption() const { return ButtonCaption; }
    QLineEdit* buttonSource() const { return ButtonSource; }
    QCheckBox* isDropType() const { return IsDropType; }
    QCheckBox* tabWarning() const { return TabWarning; }
    QGroupBox* insertStyle() const { return InsertStyle; }
    QRadioButton* insertStyleButton(int index) const { return m_insertStyles.at(index); }
    QPushButton* assignButton() const { return m_assign; }

    void LoadSettings(int slot);
    void BitBtn3Click();
    void BitBtn1Click();
    void BitBtn2Click() { reject(); }
    void IsDropTypeClick();
    // A Shift+click on the active tab: asks for its new caption.
    void PageControlMouseUp();

    // Cancel and the close box: asks before modified slots are thrown away.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QStringList& tabCaptions);
    void LoadButtons(int page, QWidget* tab);
    void BuildNewButtonAssignments();
    bool PageControlChanging();
    void PageControlChange(int index);
    void showDropType(bool dropType);
    void releaseCurrentButton();
    void setCurrentSlot(int slot);
    bool mayClose();

    DataFileLocator m_locate;
    QTabWidget* m_pageControl = nullptr;
    QLineEdit* ButtonCaption = nullptr;
    QLineEdit* ButtonSource = nullptr;
    QGroupBox* InsertStyle = nullptr;
    QGroupBox* Dropdownstyle = nullptr;
    std::array<QRadioButton*, 3> m_insertStyles {};
    std::array<QRadioButton*, 2> m_dropDownStyles {};
    QButtonGroup* m_insertStyleGroup = nullptr;
    QButtonGroup* m_dropDownStyleGroup = nullptr;
    QCheckBox* IsDropType = nullptr;
    QCheckBox* TabWarning = nullptr;
    QPushButton* m_assign = nullptr;

    std::array<QStringList, ButtonFile::pageCount> m_lists;
    // A file that exists but could not be read is never written over.
    std::array<bool, ButtonFile::pageCount> m_unreadable {};
    std::array<std::array<QToolButton*, ButtonFile::slotCount>, ButtonFile::pageCount> m_buttons {};
    std::array<QButtonGroup*, ButtonFile::pageCount> m_groups {};
    int m_currentSlot = -1;
    QToolButton* m_currentButton = nullptr;
    int m_shownPage = 0;
    bool m_modified = false;
};
