#pragma once

#include "bolla/datacontrol.h"
#include "shell/form.h"

class ColumnFormats;
class QDataWidgetMapper;
class QDateEdit;
class QLabel;
class QTableView;

// The day's supplied issues from the distribution database: a grid of rows
// and, above it, the grid's current row in large type. It never writes.
class Controllo_bolla : public Form
{
    Q_OBJECT
public:
    // The program always uses the fixed data link file; tests name another.
    explicit Controllo_bolla(const QString &dataLinkFile = bolla::dataLinkFile(),
                             const bolla::Timeouts &timeouts = {});

    const bolla::DataControl *dataControl() const { return Adodc1; }

public slots:
    void Form_Load();

private:
    bolla::DataControl *Adodc1;
    QTableView *DataGrid1;
    QDateEdit *DTPicker1;
    ColumnFormats *formats;
    QDataWidgetMapper *bindings;
    QLabel *message;
};
