#include "app/splash.h"

#include "app/artwork.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TSpash::TSpash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(artwork::splashPicture())
{
    setObjectName(QStringLiteral("TSpash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(m_picture.size() / m_picture.devicePixelRatio());
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(closeAfterMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
    qApp->installEventFilter(this);
}

bool TSpash::eventFilter(QObject* watched, QEvent* event)
{
    // A question asked during start-up (recovering backups, a damaged file) must not sit under a
    // picture that stays on top of everything.
    if (event->type() == QEvent::Show && isVisible() && qobject_cast<QDialog*>(watched))
        hide();
    return QWidget::eventFilter(watched, event);
}

void TSpash::showNow()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_timer->start();
}

void TSpash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
