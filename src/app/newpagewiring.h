#pragma once

#include <QObject>

class TForm1;

// Offers the "Initial Values" dialog for an empty page, and hands what it builds to the editor,
// the remembered body attributes and the settings.
class NewPageWiring : public QObject {
    Q_OBJECT
public:
    explicit NewPageWiring(TForm1& window);

    // Returns whether the page was built (Finish) rather than left empty.
    bool buildNewPage();

private:
    TForm1& m_window;
};
