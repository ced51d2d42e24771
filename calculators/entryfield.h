#pragma once

#include <QtGlobal>

class QLineEdit;

// The change reaction every entry field shares. A window's own change slot calls
// one of these and stores the result in the field's variable. When last
// characters must go, the field's text is set once to what the rule leaves, which
// runs the window's slot again, nested, with nothing more to remove, before this
// run reads the text it ends with.
double priceFieldChanged(QLineEdit *field);
qint16 countFieldChanged(QLineEdit *field);
