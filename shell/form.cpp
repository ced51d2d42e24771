#include "shell/form.h"

#include "shell/commandbutton.h"
#include "shell/countbox.h"
#include "shell/fittinglabel.h"
#include "shell/wrappingbutton.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPixmap>
#include <QTableView>

#include <algorithm>
#include <future>
#include <vector>

namespace {

// Buttons and entry fields paint their own face in the background colour; every
// other control is filled with it.
void fillBackground(QWidget *w, const look::Colour &colour, bool paintsOwnFace = false)
{
    if (!colour.isSet())
        return;
    QPalette palette = w->palette();
    palette.setColor(w->backgroundRole(), colour.toQColor());
    w->setPalette(palette);
    w->setAutoFillBackground(!paintsOwnFace);
}

// The caption line takes the top of the grid's box; the table keeps the rest.
void addCaptionLine(QTableView *grid, const QString &caption)
{
    auto *line = new QLabel(caption, grid->parentWidget());
    line->setObjectName(grid->objectName() + QLatin1String("Caption"));
    line->setFont(grid->font());
    line->setAlignment(Qt::AlignCenter);
    line->setFrameShape(QFrame::Box);
    line->setBackgroundRole(QPalette::Button);
    line->setAutoFillBackground(true);
    // It names the grid, to a screen reader as on screen.
    line->setBuddy(grid);
    // One line of text to a row, as the caption line.
    const int height = line->sizeHint().height() + 2;
    grid->verticalHeader()->setDefaultSectionSize(height);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QRect box = grid->geometry();
    line->setGeometry(box.left(), box.top(), box.width(), height);
    grid->setGeometry(box.adjusted(0, height, 0, 0));
}

} // namespace

Form::Form(const Window &window, std::span<const Control> controls)
{
    setWindowTitle(QString::fromUtf8(window.caption));
    setFixedSize(look::px(window.width), look::px(window.height));
    setFont(look::kDefaultFont.toQFont());
    fillBackground(this, window.background);

    // Pictures are read on another core while the controls are built.
    std::vector<std::pair<const char *, std::future<QImage>>> pictures;
    for (const Control &c : controls) {
        if (c.kind == Control::Picture) {
            const QString path = QString::fromUtf8(c.caption);
            pictures.emplace_back(c.name,
                                  std::async(std::launch::async, [path] { return QImage(path); }));
        }
    }

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const Control &c : controls) {
        QWidget *w = create(c);
        if (c.tab >= 0 && w->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(c.tab, w);
    }
    for (const Control &c : controls)
        describe(c);
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();
    for (auto &[name, image] : pictures)
        control<QLabel>(name)->setPixmap(QPixmap::fromImage(image.get()));
}

QWidget *Form::create(const Control &c)
{
    QWidget *parent = c.container ? control<QWidget>(c.container) : this;
    const QString caption = QString::fromUtf8(c.caption);
    QWidget *w = nullptr;

    switch (c.kind) {
    case Control::Label: {
        auto *label = new FittingLabel(caption, parent);
        label->setWordWrap(true);
        label->setAlignment(c.align | Qt::AlignTop);
        w = label;
        break;
    }
    case Control::TextBox:
    case Control::CountBox: {
        auto *edit = c.kind == Control::CountBox ? new CountBox(caption, parent)
                                                 : new QLineEdit(caption, parent);
        edit->setAlignment(c.align | Qt::AlignVCenter);
        w = edit;
        break;
    }
    case Control::Button:
        w = new CommandButton(caption, parent);
        break;
    case Control::Frame:
        w = new QGroupBox(caption, parent);
        break;
    case Control::Radio: {
        auto *radio = new WrappingButton<QRadioButton>(caption, parent);
        radio->setChecked(c.checked);
        w = radio;
        break;
    }
    case Control::Check: {
        auto *check = new WrappingButton<QCheckBox>(caption, parent);
        check->setChecked(c.checked);
        w = check;
        break;
    }
    case Control::Picture: {
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = picture;
        break;
    }
    case Control::Grid: {
        auto *grid = new QTableView(parent);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setWordWrap(false);
        // Tab leaves the grid for the next control.
        grid->setTabKeyNavigation(false);
        grid->setAccessibleName(caption);
        w = grid;
        break;
    }
    case Control::DatePicker: {
        auto *picker = new QDateEdit(parent);
        picker->setCalendarPopup(true);
        // With no label of its own, a picker is what its caption or its kind says.
        picker->setAccessibleName(caption.isEmpty() ? QStringLiteral("Data") : caption);
        w = picker;
        break;
    }
    }

    w->setObjectName(QLatin1String(c.name));
    w->setGeometry(look::px(c.rect.left), look::px(c.rect.top), look::px(c.rect.width),
                   look::px(c.rect.height));
    if (c.font.family)
        w->setFont(c.font.toQFont());
    if (auto *frame = qobject_cast<QFrame *>(w); frame && c.border)
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    fillBackground(w, c.background, c.kind == Control::TextBox || c.kind == Control::Button);
    if (c.kind == Control::Grid)
        addCaptionLine(static_cast<QTableView *>(w), caption);
    return w;
}

// The accessible name and description of a control, from the labels its row
// names. The naming label also takes the control as its buddy: the relation a
// screen reader follows from a control to its label.
void Form::describe(const Control &c)
{
    if (!c.labelledBy && !c.describedBy)
        return;
    QWidget *w = control<QWidget>(c.name);
    if (c.labelledBy) {
        auto *label = control<QLabel>(c.labelledBy);
        w->setAccessibleName(label->text().simplified());
        label->setBuddy(w);
    }
    if (c.describedBy)
        w->setAccessibleDescription(control<QLabel>(c.describedBy)->text().simplified());
}

void Form::connectEvents()
{
    const QMetaObject *meta = metaObject();
    for (int i = Form::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QByteArray name = slot.name();
        const qsizetype underscore = name.lastIndexOf('_');
        if (slot.methodType() != QMetaMethod::Slot || underscore <= 0)
            continue;
        const QString source = QString::fromLatin1(name.left(underscore));
        const QByteArray event = name.mid(underscore + 1);
        const auto missing = [&] {
            qFatal("%s::%s: no control for this event", meta->className(),
                   slot.methodSignature().constData());
        };

        if (event == "Change" && slot.parameterCount() == 0) {
            auto *field = findChild<QLineEdit *>(source);
            if (!field)
                missing();
            connect(field, &QLineEdit::textChanged, this,
                    [this, slot] { slot.invoke(this, Qt::DirectConnection); });
        } else if (event == "Click" && slot.parameterCount() == 0) {
            auto *button = findChild<QAbstractButton *>(source);
            if (!button)
                missing();
            connect(button, &QAbstractButton::clicked, this,
                    [this, slot] { slot.invoke(this, Qt::DirectConnection); });
        } else if (event == "Click" && slot.parameterCount() == 1 &&
                   slot.parameterType(0) == QMetaType::Int) {
            const QList<QAbstractButton *> array =
                controlArray<QAbstractButton>(source.toLatin1().constData());
            for (int index = 0; index < array.size(); ++index) {
                connect(array[index], &QAbstractButton::clicked, this, [this, slot, index] {
                    slot.invoke(this, Qt::DirectConnection, Q_ARG(int, index));
                });
            }
        } else {
            missing();
        }
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit unloaded();
}

void Form::missingControl(const char *name, const char *kind) const
{
    qFatal("%s: no control %s of kind %s in its layout table", metaObject()->className(), name,
           kind);
}
