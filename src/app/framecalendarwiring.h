#pragma once

#include <QObject>

#include <functional>
#include <memory>

class FrameWizardPrompts;
class TForm1;
class TagInserter;

// Joins the frame wizard and the calendar generator to the main window's menus and pop-up, and
// hands their HTML to the page.
class FrameCalendarWiring : public QObject {
    Q_OBJECT
public:
    // The frame wizard's questions are its own message boxes unless `makeFramePrompts` gives others.
    FrameCalendarWiring(TForm1& window, TagInserter& tags,
                        std::function<std::unique_ptr<FrameWizardPrompts>()> makeFramePrompts);

    void FrameWiseGuyClick();
    void CalendarWizeGuy1Click();

private:
    void refreshPreview();

    TForm1& m_window;
    TagInserter& m_tags;
    std::function<std::unique_ptr<FrameWizardPrompts>()> m_makeFramePrompts;
};
