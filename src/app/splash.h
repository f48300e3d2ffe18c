#pragma once

#include <QWidget>

class QTimer;

// The start-up picture: borderless, on top of everything, centred, sized to its picture. It
// closes itself after a few seconds in case nothing else does.
class TSpash : public QWidget {
    Q_OBJECT
public:
    static constexpr int closeAfterMilliseconds = 5000;

    explicit TSpash(QWidget* parent = nullptr);

    // Shows the picture and paints it before start-up goes on.
    void showNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QTimer* m_timer = nullptr;
};
