#pragma once

#include "workspace/pages/pageprompts.h"

#include <QDialog>

class QTableWidget;

// Lists the pages whose unsaved text a run that ended abruptly left in backups, with the time
// each backup was written, and takes one answer per page.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    RecoveryDialog(const QList<OrphanSwapFile>& backups, QWidget* parent = nullptr);
    QList<RecoveryAnswer> answers() const;

private:
    QTableWidget* m_table;
};
