#pragma once

#include <QAccessibleWidget>

class QLabel;

// What a screen reader is told of a label. Qt names a label by its text, and
// an accessible name set on it hides that text; a result label named by its
// prompt keeps its figure as its value, so that a reader says "Prezzo netto,
// 0,9562". The text is also offered, read-only, through the text interface.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LabelAccessible(QLabel *label);

    // For QAccessible::installFactory: the labels the windows are built with.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QString shownText() const;
};
