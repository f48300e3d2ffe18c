#pragma once

#include <QWidget>

class QTimer;

// The start-up picture: borderless, on top of everything, centred, sized to its picture. It
// closes itself after a few seconds in case nothing else does, and steps aside for any dialog.
class TSpash : public QWidget {
    Q_OBJECT
public:
    static constexpr int closeAfterMilliseconds = 5000;

    explicit TSpash(QWidget* parent = nullptr);

    // Shows the picture and paints it before start-up goes on.
    void showNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QTimer* m_timer = nullptr;
};
