#include "calculators/entryfield.h"

#include "core/fieldrule.h"
#include "core/numberreading.h"
#include "shell/u16string.h"

#include <QLineEdit>

namespace {

std::u16string react(QLineEdit *field, edicola::FieldKind kind)
{
    // One setText for every character the rule drops, each nested in the run
    // before, would go as deep as the text is long.
    const edicola::FieldOutcome outcome =
        edicola::applyFieldRule(field->text().toStdU16String(), kind);
    if (outcome.removed) {
        field->setText(toQString(outcome.text));
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
