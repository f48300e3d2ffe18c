#pragma once

#include <QObject>
#include <QString>

class TForm1;

// File > "Create Index of Images": opens the index page of the program directory (made when
// missing), lets the user pick a folder and appends an entry for each of its pictures.
class ImageIndexWiring : public QObject {
    Q_OBJECT
public:
    explicit ImageIndexWiring(TForm1& window);

    void CreateIndexofImages1Click();

private:
    bool openIndexPage();

    TForm1& m_window;
    // The folder the dialog showed last, offered again for the next index of this run.
    QString m_folder;
};
