#include "calculators/calculatorcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void empty(std::initializer_list<QWidget *> controls)
{
    for (QWidget *w : controls) {
        if (auto *field = qobject_cast<QLineEdit *>(w))
            field->clear();
        else if (auto *label = qobject_cast<QLabel *>(w))
            label->clear();
        else
            Q_ASSERT_X(false, "empty", "neither an entry field nor a label");
    }
}

int firstSelected(const QList<QRadioButton *> &array)
{
    for (int index = 0; index < array.size(); ++index) {
        if (array[index]->isChecked())
            return index;
    }
    return -1;
}
