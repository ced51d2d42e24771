#pragma once

#include <QList>

#include <initializer_list>

class QRadioButton;
class QWidget;

// What the calculator windows do alike with their controls.

// "Azzera": empties entry fields and result labels one after the other, in the
// order given; each field's change reaction runs as the field empties.
void empty(std::initializer_list<QWidget *> controls);

// The index of the first selected button of a radio-button array, examined in
// index order; -1 when none is selected.
int firstSelected(const QList<QRadioButton *> &array);
