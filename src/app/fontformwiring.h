#pragma once

#include "custom/fontform/editoroptions.h"
#include "workspace/settings/settings.h"

#include <QObject>

class TForm1;

// Joins the editor options dialog to the main window: Options > Editor Options... opens it, and
// its choices reach the page editor, the internal clipboard, the project outline, the split
// preview and the tag colours, and on OK the settings record.
class FontFormWiring : public QObject {
    Q_OBJECT
public:
    explicit FontFormWiring(TForm1& window);

private:
    void EditorOptionsClick();
    EditorOptions current() const;
    void apply(const EditorOptions& options);
    void restoreRecorded(const EditorOptions& shownAtOpen, const TesseraSettings::Defaults& recordedAtOpen);
    void record(const EditorOptions& options);

    TForm1& m_window;
};
