#pragma once

#include <QWidget>

// A text box that loses the focus while its dialog is destroyed still reports its edit; by then
// the dialog is half gone and must not be told. Dialogs call this from their destructors.
inline void silenceChildrenForTeardown(QWidget& dialog)
{
    for (QWidget* child : dialog.findChildren<QWidget*>())
        child->blockSignals(true);
}
