#pragma once

#include "print/pageprinter.h"

#include <QDialog>

class QRadioButton;

// "Print": which views of the page to print. "Print" accepts, Close rejects.
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(QWidget* parent = nullptr);

    PrintViews views() const;
    void setViews(PrintViews views);

private:
    QRadioButton* m_graphic;
    QRadioButton* m_text;
    QRadioButton* m_both;
};
