#pragma once

#include <QDialog>

// The About box: program name, version and maker.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
