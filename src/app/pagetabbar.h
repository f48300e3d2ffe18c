#pragma once

#include <QTabBar>

// The page tab strip. It reports every change in the number of tabs, because whether a page is
// open (and so which commands make sense) follows from the tab count alone.
class PageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit PageTabBar(QWidget* parent = nullptr)
        : QTabBar(parent)
    {
    }

    // Moves to the next (+1) or previous (-1) tab, wrapping round at the ends.
    void step(int delta)
    {
        if (count() > 1)
            setCurrentIndex((currentIndex() + delta + count()) % count());
    }

signals:
    void countChanged(int count);

protected:
    void tabInserted(int index) override
    {
        QTabBar::tabInserted(index);
        emit countChanged(count());
    }
    void tabRemoved(int index) override
    {
        QTabBar::tabRemoved(index);
        emit countChanged(count());
    }
};
