#include "calcola.h"

#include "calculators/frmgratuito.h"
#include "calculators/frmnongratuito.h"
#include "calculators/quot_period.h"
#include "calculators/quot_quot.h"
#include "shell/defaultinstances.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <chrono>
#include <vector>

namespace {

template <class T> Form *open()
{
    return forms::defaultInstance<T>();
}

struct Input
{
    const char *field;
    const char *text;
};

struct Calculator
{
    const char *name;
    Form *(*open)();
    std::vector<Input> inputs;
    const char *button = "CmdCalcola";
};

// One line a calculator: its window, what is typed before Calcola is clicked and,
// where it is not CmdCalcola, the button.
const Calculator kCalculators[] = {
    {"FrmGratuito",
     open<FrmGratuito>,
     {{"TxtPrzQ", "1,20"}, {"TxtPrzOd", "1,00"}, {"TxtNumIns", "3"}}},
    {"FrmNonGratuito",
     open<FrmNonGratuito>,
     {{"TxtPrezzoInserto", "4,50"}, {"txtPrzQuotRif", "1,20"}}},
    {"Quot_Quot", open<Quot_Quot>, {{"TxtPrzQA", "1,20"}, {"TxtPrzQB", "1,00"}}},
    {"Quot_Period", open<Quot_Period>, {{"TxtPrzQA", "1,20"}, {"TxtPrzPer", "5,90"}}},
    {"Quot_Period, yellow",
     open<Quot_Period>,
     {{"TxtPrzQA", "1,20"}, {"TxtPrzPer", "5,90"}},
     "cmdcalcola2"},
};

constexpr double kGoalSeconds = 50e-6;

QStringList labelTexts(Form *form)
{
    QStringList texts;
    for (const QLabel *label : form->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

// Before each click, untimed, Azzera and the typing start the calculation afresh:
// a label given the text it already shows does no work, so clicking twice on the
// same figures would time less than a user's click does.
std::vector<double> clickSeconds(Form *form, const Calculator &c, int clicks, bool &changed)
{
    using Clock = std::chrono::steady_clock;
    QPushButton *azzera = form->control<QPushButton>("CmdAnnulla");
    QPushButton *calcola = form->control<QPushButton>(c.button);
    std::vector<double> seconds;
    const int unmeasured = clicks / 10;
    for (int i = 0; i < unmeasured + clicks; ++i) {
        azzera->click();
        for (const Input &in : c.inputs)
            form->control<QLineEdit>(in.field)->setText(QString::fromUtf8(in.text));
        QCoreApplication::processEvents();
        const QStringList before = labelTexts(form);

        const Clock::time_point start = Clock::now();
        calcola->click();
        const Clock::time_point end = Clock::now();

        changed = changed || labelTexts(form) != before;
        if (i >= unmeasured)
            seconds.push_back(std::chrono::duration<double>(end - start).count());
        QCoreApplication::processEvents();
    }
    return seconds;
}

} // namespace

namespace calcola {

void measure(figures::Table &table, int clicks)
{
    for (const Calculator &c : kCalculators) {
        Form *form = c.open();
        forms::show(form);
        QCoreApplication::processEvents();
        bool changed = false;
        const std::vector<double> seconds = clickSeconds(form, c, clicks, changed);
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!changed) {
            table.fail(std::string(c.name) + ": Calcola showed nothing new");
            continue;
        }
        table.add(figures::timingRow("Calcola, one click: " + std::string(c.name), seconds,
                                     kGoalSeconds, figures::formatMicroseconds));
    }
}

} // namespace calcola
