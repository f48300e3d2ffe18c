#pragma once

#include <QObject>

class CustomButtons;
class SpecialButtons;
class TForm1;
class TagInserter;
class AlignmentPopup;

// Joins the custom button tabs, the Special tab and their setup dialogs to the main window:
// the buttons are built when the window is first shown, and "Customize Buttons..." and
// "Special Characters..." open their dialogs.
class CustomWiring : public QObject {
    Q_OBJECT
public:
    CustomWiring(TForm1& window, TagInserter& inserter, AlignmentPopup& popup, QObject* parent = nullptr);

    CustomButtons& customButtons() const { return *m_custom; }
    SpecialButtons& specialButtons() const { return *m_special; }

    void CustomizeButtons1Click();
    void SpecialCharacters1Click();

private:
    QString build();
    QWidget* customTab(int page) const;

    TForm1& m_window;
    CustomButtons* m_custom;
    SpecialButtons* m_special;
};
