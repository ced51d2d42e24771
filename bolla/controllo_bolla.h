#pragma once

#include "bolla/connectionsettings.h"
#include "bolla/recordsource.h"
#include "shell/form.h"

class QDataWidgetMapper;
class QDateEdit;
class QLabel;
class QTableView;

namespace bolla {
class ColumnFormats;
class DataControl;
} // namespace bolla

// The day's supplied issues from the distribution database: a grid of rows
// and, above it, the grid's current row in large type. It never writes.
class Controllo_bolla : public Form
{
    Q_OBJECT
public:
    // The program always uses the fixed data link file; tests name another.
    explicit Controllo_bolla(const QString &dataLinkFile = bolla::dataLinkFile(),
                             const bolla::Timeouts &timeouts = {});

public slots:
    void Form_Load();

private:
    bolla::DataControl *Adodc1;
    QTableView *DataGrid1;
    QDateEdit *DTPicker1;
    bolla::ColumnFormats *formats;
    QDataWidgetMapper *bindings;
    QLabel *message;
};
