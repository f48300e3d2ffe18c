#pragma once

#include <QString>

class QWidget;

// The answer to a wizard's question whether to save its definition before going on.
enum class SaveFirstAnswer { No, Ok, Cancel };

// The confirmation with No, OK and Cancel; OK is the default, Escape cancels.
SaveFirstAnswer askSaveFirst(QWidget* parent, const QString& question);
