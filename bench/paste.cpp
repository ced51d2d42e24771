#include "paste.h"

#include "calculators/frmgratuito.h"
#include "shell/defaultinstances.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <chrono>
#include <vector>

namespace {

// The longest text a line edit takes, and what the field keeps of each: none of
// the letters, as many ones as stay within the double range, four nines.
constexpr int kLength = 32767;

struct Paste
{
    const char *name;
    const char *field;
    char character;
    int kept;
};

const Paste kPastes[] = {
    {"32,767 letters into a price field", "TxtPrzQ", 'x', 0},
    {"32,767 \"1\" into a price field", "TxtPrzQ", '1', 309},
    {"32,767 \"9\" into the count field", "TxtNumIns", '9', 4},
};

constexpr double kGoalSeconds = 20e-3;

} // namespace

namespace paste {

// Each paste goes over an empty field, the whole text at once, as Ctrl+V puts it
// there; emptying the field and the repaint that follows are not timed.
void measure(figures::Table &table, int pastes)
{
    using Clock = std::chrono::steady_clock;
    Form *form = forms::defaultInstance<FrmGratuito>();
    forms::show(form);
    QCoreApplication::processEvents();
    for (const Paste &p : kPastes) {
        auto *field = form->control<QLineEdit>(p.field);
        QApplication::clipboard()->setText(QString(kLength, QLatin1Char(p.character)));
        std::vector<double> seconds;
        bool kept = true;
        for (int i = 0; i < pastes; ++i) {
            field->clear();
            QCoreApplication::processEvents();
            const Clock::time_point start = Clock::now();
            field->paste();
            const Clock::time_point end = Clock::now();
            kept = kept && field->text() == QString(p.kept, QLatin1Char(p.character));
            seconds.push_back(std::chrono::duration<double>(end - start).count());
            QCoreApplication::processEvents();
        }
        if (!kept) {
            table.fail(std::string("paste of ") + p.name + ": the field kept another text");
            continue;
        }
        table.add(figures::timingRow("Paste of " + std::string(p.name), seconds, kGoalSeconds,
                                     figures::formatMilliseconds));
    }
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace paste
