#pragma once

// The four calculator windows as the GUI tests drive them. A step is
// "Field=text" (typed one key at a time), the name of a button to click or of a
// radio button or check box to choose, or else keys pressed in the focused
// control, as formtest::press takes them; steps and shown texts are lists
// separated by blanks, a shown text being "label=text".

#include "calculators/frmgratuito.h"
#include "calculators/frmnongratuito.h"
#include "calculators/quot_period.h"
#include "calculators/quot_quot.h"
#include "formtest.h"

namespace formtest {

struct Kind
{
    const char *option; // the start window's choice that shows it
    const char *window;
    Form *(*open)();
    const char *fields;
    const char *results;
    const char *selected;          // at creation
    const char *focusAfterCalcola; // "": "Calcola" leaves the focus where it was
    const char *esci;
    const char *inputs;  // fill the fields, change the choice, compute
    const char *edits;   // then change every input and the choice
    const char *kept;    // the choice that "Azzera" keeps after `inputs`
    const char *cleared; // "Calcola" after "Azzera"
    const char *fresh;   // "Calcola" on a window just created
};

template <class T> Form *open()
{
    return forms::defaultInstance<T>();
}

// clang-format off
inline const Kind kKinds[] = {
    {"Option1", "FrmGratuito", open<FrmGratuito>, "TxtPrzQ TxtPrzOd TxtNumIns", "lblCompenso lblNetto", "",
     "CmdAnnulla", "CmdEsci", "TxtPrzQ=1 TxtPrzOd=1.5 TxtNumIns=2 CmdCalcola",
     "TxtPrzOd=5 TxtNumIns=3", "", "lblCompenso=0 lblNetto=0,0000",
     "lblCompenso=0 lblNetto=0,0000"},
    {"Option2", "FrmNonGratuito", open<FrmNonGratuito>, "TxtPrezzoInserto txtPrzQuotRif",
     "lblCompensoInserto lblRiaddebitoDefisc lblNettoInserto", "Option1_0", "CmdAnnulla", "cmdEsci",
     "TxtPrezzoInserto=6 txtPrzQuotRif=1.2 Option1_1 ChkRiaddebito CmdCalcola",
     "TxtPrezzoInserto=9 Option1_2 ChkRiaddebito", "Option1_1",
     "lblCompensoInserto=0,0037 lblRiaddebitoDefisc=0,0000 lblNettoInserto=-0,0037",
     "lblCompensoInserto=0,0037 lblRiaddebitoDefisc= lblNettoInserto=-0,0037"},
    {"Option3", "Quot_Quot", open<Quot_Quot>, "TxtPrzQA TxtPrzQB", "lblCompenso lblNettoA lblNettoB",
     "Option1_0", "", "CmdEsci", "TxtPrzQA=1.2 TxtPrzQB=1 Option1_1 CmdCalcola",
     "TxtPrzQB=5 Option1_0", "Option1_1", "lblCompenso=0,0185 lblNettoA=0,0000 lblNettoB=-0,0185",
     "lblCompenso=0,0185 lblNettoA=-0,0185 lblNettoB=0,0000"},
    {"Option4", "Quot_Period", open<Quot_Period>, "TxtPrzQA TxtPrzPer", "lblCompenso lblNettoA lblNettoPer",
     "Option1_0", "", "CmdEsci", "TxtPrzQA=1.2 TxtPrzPer=5.9 Option1_1 cmdcalcola2",
     "TxtPrzQA=5 Option1_0", "Option1_1",
     "lblCompenso=0,0037 lblNettoA=0,0000 lblNettoPer=-0,0037",
     "lblCompenso=0,0037 lblNettoA=-0,0037 lblNettoPer=0,0000"},
};
// clang-format on

inline QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

inline const Kind &kindOf(const QString &option)
{
    for (const Kind &k : kKinds) {
        if (option == QLatin1String(k.option))
            return k;
    }
    return kKinds[3]; // Option5 shows the same window as Option4
}

// The loaded window of that kind; nullptr when there is none.
inline Form *loaded(const Kind &k)
{
    for (Form *w : forms::loaded()) {
        if (QLatin1String(w->metaObject()->className()) == QLatin1String(k.window))
            return w;
    }
    return nullptr;
}

inline void run(QWidget *w, const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        const QByteArray name = step.left(eq).toLatin1();
        if (eq >= 0) {
            QString keys = step.mid(eq + 1);
            // A minus sign only stays when typed in front of the digits.
            const bool negative = keys.startsWith(QLatin1Char('-'));
            type(w, name, keys.remove(QLatin1Char('-')));
            if (negative) {
                child<QLineEdit>(w, name)->setCursorPosition(0);
                type(w, name, "-");
            }
        } else if (!w->findChild<QWidget *>(step)) {
            press(step);
        } else if (qobject_cast<QPushButton *>(child(w, name))) {
            click(w, name);
        } else {
            choose(w, name);
        }
    }
}

// "label=text" for each of the labels (or fields).
inline QStringList shown(QWidget *w, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << name + QLatin1Char('=') + text(w, name.toLatin1().constData());
    return texts;
}

// The radio buttons and check boxes that are selected.
inline QStringList selected(QWidget *w)
{
    QStringList names;
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (!qobject_cast<QPushButton *>(b) && b->isChecked())
            names << b->objectName();
    }
    names.sort();
    return names;
}

} // namespace formtest
