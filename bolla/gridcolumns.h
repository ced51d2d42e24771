#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QHelpEvent;
class QModelIndex;
class QTableView;

namespace bolla {

// Shares a grid's fixed width among its columns, so that the rows show
// without scrolling sideways. A column of figures or dates is as wide as its
// heading and its widest cell, never cut. The text columns share what is
// left: one that needs no more than an equal share shows whole, the others
// split the rest alike. A cell cut short ends in "…" and shows whole in its
// tooltip.
class GridColumns : public QObject
{
public:
    GridColumns(QTableView *grid, const QStringList &textColumns);

    // Measures every row: once they are in and their formats set.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The text columns take what the others leave of the grid's width.
    void share();
    QString shown(const QModelIndex &index) const;
    bool showWhole(const QHelpEvent *help) const;

    QTableView *m_grid;
    const QStringList m_textNames;
    QList<int> m_text;  // the text columns' sections
    QList<int> m_needs; // each section's width to show all of it
};

} // namespace bolla
