#pragma once

#include "bolla/datalink/connectionsettings.h"
#include "bolla/recordsource.h"
#include "shell/form.h"

class QDataWidgetMapper;
class QDateEdit;
class QLabel;
class QTableView;

namespace bolla {
class ColumnFormats;
class DataControl;
class GridColumns;
class LabelFormats;
} // namespace bolla

// The day's supplied issues from the distribution database: a grid of rows
// and, above it, the grid's current row in large type. It never writes. It
// shows at once and says that it is reading; the rows, or what went wrong,
// follow when the read ends.
class Controllo_bolla : public Form
{
    Q_OBJECT
public:
    // The program always uses the fixed data link file; tests name another.
    explicit Controllo_bolla(const QString &dataLinkFile = bolla::dataLinkFile(),
                             const bolla::Timeouts &timeouts = {});

    // Reads the rows afresh, from `dataLinkFile`: what is on show goes, and a
    // read still running is let go.
    void readAgain(const QString &dataLinkFile);

public slots:
    void Form_Load();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Controllo_bolla(bolla::DataControl *reading, const bolla::Timeouts &timeouts);
    static bolla::DataControl *startReading(const QString &dataLinkFile,
                                            const bolla::Timeouts &timeouts);

    // The rows are in, or the message says why not.
    void showRows();

    bolla::DataControl *Adodc1;
    QTableView *DataGrid1;
    QDateEdit *DTPicker1;
    bolla::ColumnFormats *formats;
    bolla::GridColumns *columns;
    QDataWidgetMapper *bindings;
    bolla::LabelFormats *labelFormats;
    QLabel *message;
    bolla::Timeouts readTimeouts;
};
