#pragma once

#include <QLabel>

// A label that never shows its text cut. A text too wide or too tall for the
// label is drawn in a smaller font, down to the windows' default size; one that
// does not fit even then is plainly marked as not fitting: a figure by a row of
// '#', as a spreadsheet shows a number wider than its cell, other text by an
// ellipsis where it stops. The text stays whole, and whenever the label shows it
// other than at its own font, its tooltip carries it too.
class FittingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit FittingLabel(const QString &text, QWidget *parent = nullptr);

    // Below this size a shrunk text is no longer read at a glance.
    static constexpr qreal kSmallestPoints = 8.25;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Shown { Whole, Smaller, Marked };
    struct Fit
    {
        QString text;
        QRect room;
        QFont font;
        int flags = 0;
        Shown shown = Shown::Whole;
        QFont drawnFont;
        QString drawn;
        int drawnFlags = 0;
    };

    QRect textRoom() const;
    const Fit &fit();
    bool fits(const QFont &font, const QRect &room, int flags, const QString &text) const;
    QString elided(const QString &text, const QFont &font, const QRect &room, int flags) const;

    Fit m_fit;
    bool m_ownToolTip = false;
};
