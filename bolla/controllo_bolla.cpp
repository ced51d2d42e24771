#include "bolla/controllo_bolla.h"

#include "bolla/columnformats.h"
#include "bolla/datacontrol.h"
#include "bolla/failuremessages.h"
#include "bolla/gridcolumns.h"
#include "bolla/labelformats.h"

#include <QCalendarWidget>
#include <QDataWidgetMapper>
#include <QDateEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using look::Colour;

constexpr Colour kBackground = Colour::system(look::ActiveBorder);
constexpr look::Font kCaptionFont{"Arial", 9.75};
constexpr look::Font kLargeFont{"Arial", 14.25};

constexpr Form::Window kWindow{"database bolla", 12045, 7350, kBackground};

constexpr Control caption(const char *name, const char *text, Control::Twips rect, int tab,
                          Qt::Alignment align = Qt::AlignRight)
{
    return {name, Control::Label, text, rect, tab, kCaptionFont, kBackground, align};
}

// A label bound to a column, named for screen readers by the caption beside it.
constexpr Control bound(const char *name, Control::Twips rect, int tab, Qt::Alignment align,
                        const char *caption)
{
    return {.name = name,
            .kind = Control::Label,
            .caption = "",
            .rect = rect,
            .tab = tab,
            .font = kLargeFont,
            .background = kBackground,
            .align = align,
            .labelledBy = caption};
}

// The data control Adodc1 keeps its bar hidden: the grid alone moves the
// current row.
constexpr Control kControls[] = {
    {"lblApp",
     Control::Label,
     "Bolla consegna",
     {600, 480, 4575, 495},
     0,
     kLargeFont,
     Colour::system(look::ButtonFace),
     Qt::AlignHCenter},
    caption("LblTitolo", "Titolo", {6000, 480, 975, 375}, 1),
    caption("LblSottotitolo", "Sottotitolo", {6000, 1080, 975, 495}, 2),
    caption("LblNumero", "Numero", {6000, 1800, 975, 375}, 3),
    caption("LblPrezzo", "Prezzo Lordo", {8880, 1800, 1215, 375}, 4),
    caption("LblNetto", "Prezzo Netto", {8880, 2400, 1215, 375}, 5),
    caption("LblSconto", "Sconto", {9360, 3120, 855, 255}, 6, Qt::AlignHCenter),
    bound("Label1", {7560, 480, 3975, 375}, 7, Qt::AlignLeft, "LblTitolo"),
    bound("Label2", {7560, 1080, 3975, 375}, 8, Qt::AlignLeft, "LblSottotitolo"),
    bound("Label3", {7560, 1800, 975, 375}, 9, Qt::AlignLeft, "LblNumero"),
    bound("Label4", {10440, 1800, 1095, 375}, 10, Qt::AlignRight, "LblPrezzo"),
    bound("Label5", {10440, 2400, 1095, 375}, 11, Qt::AlignRight, "LblNetto"),
    bound("Label6", {10440, 3120, 1095, 375}, 12, Qt::AlignRight, "LblSconto"),
    {"DataGrid1",
     Control::Grid,
     "Bolla Consegna",
     {720, 3720, 10935, 3255},
     13,
     look::kDefaultFont},
    {"DTPicker1", Control::DatePicker, "", {720, 2400, 3495, 495}, 14},
};

// Each bound label, its column and its custom format, written for Italian
// settings; no format shows the value as text.
struct Binding
{
    const char *label;
    const char *column;
    const char16_t *format;
};

constexpr Binding kBindings[] = {
    {"Label1", "titolo", nullptr},      {"Label2", "sot_titolo", nullptr},
    {"Label3", "num_copert", u"0"},     {"Label4", "prz_copert", u"0,00"},
    {"Label5", "prz_netto", u"0,0000"}, {"Label6", "sconto", u"0,00"},
};

} // namespace

// The read starts first, before the window is built, and runs while it is built
// and shown.
Controllo_bolla::Controllo_bolla(const QString &dataLinkFile, const bolla::Timeouts &timeouts)
    : Controllo_bolla(startReading(dataLinkFile, timeouts), timeouts)
{}

bolla::DataControl *Controllo_bolla::startReading(const QString &dataLinkFile,
                                                  const bolla::Timeouts &timeouts)
{
    auto *reading = new bolla::DataControl;
    reading->refresh(dataLinkFile, QString::fromLatin1(bolla::kRecordSource), timeouts);
    return reading;
}

Controllo_bolla::Controllo_bolla(bolla::DataControl *reading, const bolla::Timeouts &timeouts)
    : Form(kWindow, kControls)
    , Adodc1(reading)
    , DataGrid1(control<QTableView>("DataGrid1"))
    , DTPicker1(control<QDateEdit>("DTPicker1"))
    , formats(new bolla::ColumnFormats(this))
    , columns(new bolla::GridColumns(DataGrid1,
                                     {QStringLiteral("titolo"), QStringLiteral("sot_titolo")}))
    , bindings(new QDataWidgetMapper(this))
    , labelFormats(new bolla::LabelFormats(bindings))
    , message(new QLabel(DataGrid1->viewport()))
    , readTimeouts(timeouts)
{
    // The rows come through the event loop, which has not run since the read began.
    Adodc1->setParent(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    connect(Adodc1, &bolla::DataControl::refreshed, this, &Controllo_bolla::showRows);
    connect(Adodc1, &bolla::DataControl::waitingForLock, message,
            [this] { message->setText(bolla::lockWaitMessage()); });

    // Issue numbers show as delivered, without grouping.
    QLocale gridLocale;
    gridLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    DataGrid1->setLocale(gridLocale);
    formats->setSourceModel(Adodc1->recordset());
    formats->sizeRowHeadingsFor(DataGrid1->verticalHeader());
    DataGrid1->setModel(formats);

    bindings->setItemDelegate(labelFormats);
    bindings->setModel(Adodc1->recordset());
    bindings->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    for (const Binding &b : kBindings)
        labelFormats->bind(control<QLabel>(b.label), b.format);
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, bindings,
            [this](const QModelIndex &current) { bindings->setCurrentIndex(current.row()); });

    // Nothing reads the picker; it opens on today, the day the rows are of. It
    // speaks Italian, as the program does, whatever the system's language.
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    DTPicker1->setLocale(italian);
    DTPicker1->setDisplayFormat(italian.dateFormat(QLocale::LongFormat));
    DTPicker1->setDate(QDate::currentDate());
    DTPicker1->installEventFilter(this);

    message->setObjectName(QStringLiteral("lblMessaggio"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setTextFormat(Qt::PlainText);
    message->setText(bolla::readingMessage());
    auto *layout = new QVBoxLayout(DataGrid1->viewport());
    layout->addWidget(message);
}

// The picker makes its calendar when it first opens it, with the names of the
// picker's language but the first day of the week of the system's: here, before
// the picker sees the click or key that opens it, the calendar is made Italian.
// Made with the window, it would cost the first paint a few milliseconds.
bool Controllo_bolla::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DTPicker1 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        DTPicker1->removeEventFilter(this);
        DTPicker1->calendarWidget()->setFirstDayOfWeek(DTPicker1->locale().firstDayOfWeek());
    }
    return Form::eventFilter(watched, event);
}

void Controllo_bolla::readAgain(const QString &dataLinkFile)
{
    for (const Binding &b : kBindings)
        control<QLabel>(b.label)->clear();
    message->setText(bolla::readingMessage());
    message->show();
    Adodc1->refresh(dataLinkFile, QString::fromLatin1(bolla::kRecordSource), readTimeouts);
}

void Controllo_bolla::Form_Load()
{
    formats->setNumberFormat(6, u"#.00");
    formats->setNumberFormat(4, u"#.00");
}

void Controllo_bolla::showRows()
{
    const QString failure = Adodc1->failure();
    const bool emptyDay = failure.isEmpty() && formats->rowCount() == 0;
    message->setText(emptyDay ? bolla::emptyDayMessage() : failure);
    message->setVisible(!message->text().isEmpty());
    if (!failure.isEmpty())
        return;
    for (const Binding &b : kBindings) {
        const int section = Adodc1->column(QLatin1String(b.column));
        if (section >= 0)
            bindings->addMapping(control<QLabel>(b.label), section);
    }
    if (formats->rowCount() > 0)
        DataGrid1->setCurrentIndex(formats->index(0, 0));
    Form_Load();
    columns->fit();
}
