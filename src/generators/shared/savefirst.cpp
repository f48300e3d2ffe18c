#include "generators/shared/savefirst.h"

#include <QMessageBox>

SaveFirstAnswer askSaveFirst(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Ok: return SaveFirstAnswer::Ok;
    case QMessageBox::No: return SaveFirstAnswer::No;
    default: return SaveFirstAnswer::Cancel;
    }
}
