#pragma once

#include "app/tipbook.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The tip of the day. The same dialog shows a helper text, with the stepping buttons hidden and
// the check box relabelled.
class TfTipOfTheDay : public QDialog {
    Q_OBJECT
public:
    explicit TfTipOfTheDay(TipBook book, QWidget* parent = nullptr);

    void setIndex(int index) { m_index = index; }
    // The line on display (or last stepped to).
    int index() const { return m_index; }

    void setShowAtStartup(bool show);
    bool showAtStartup() const;

    void prepareAsHelper(const QString& caption);

    QString titleText() const;
    QString tipText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void stepTo(TipBook::Direction direction);
    TipBook::Buttons buttons() const;

    TipBook m_book;
    int m_index = TipBook::firstTipLine;
    bool m_helperMode = false;
    bool m_shownOnce = false;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
    QCheckBox* m_showAtStartup = nullptr;
};
