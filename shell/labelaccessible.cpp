#include "shell/labelaccessible.h"

#include <QLabel>

LabelAccessible::LabelAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{}

QAccessibleInterface *LabelAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("FittingLabel") && object && object->isWidgetType())
        return new LabelAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

QString LabelAccessible::shownText() const
{
    return static_cast<const QLabel *>(widget())->text();
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    const QString name = widget()->accessibleName();
    switch (t) {
    case QAccessible::Name:
        return name.isEmpty() ? shownText() : name;
    case QAccessible::Value:
        return name.isEmpty() ? QString() : shownText();
    case QAccessible::Description:
        // Not the tooltip, which only repeats a text too wide for the label.
        return widget()->accessibleDescription();
    default:
        return QAccessibleWidget::text(t);
    }
}

void *LabelAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LabelAccessible::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int LabelAccessible::characterCount() const
{
    return int(shownText().size());
}

void LabelAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString LabelAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
