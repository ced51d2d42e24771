#include "calculators/entryfield.h"

#include "core/fieldrule.h"
#include "core/numberreading.h"

#include <QLineEdit>

namespace {

std::u16string react(QLineEdit *field, edicola::FieldKind kind)
{
    const std::u16string text = field->text().toStdU16String();
    if (edicola::mustDropLast(text, kind)) {
        field->setText(QString::fromStdU16String(edicola::withoutLast(text)));
        field->setCursorPosition(int(field->text().size()));
    }
    return field->text().toStdU16String();
}

} // namespace

// The rule only ever leaves texts whose reading is in range, so value_or never
// has to stand in.
double priceFieldChanged(QLineEdit *field)
{
    return edicola::numericValue(react(field, edicola::FieldKind::Price)).value_or(0.0);
}

qint16 countFieldChanged(QLineEdit *field)
{
    return edicola::countValue(react(field, edicola::FieldKind::Count)).value_or(0);
}
