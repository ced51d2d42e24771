#pragma once

#include "shell/form.h"

class Controllo_bolla;
class QRadioButton;

// The start window: the choice of bundle kind, and the end of the program.
class plicanza : public Form
{
    Q_OBJECT
public:
    explicit plicanza();

public slots:
    void CmdConferma_Click();
    void CmdEsci_Click();

public:
    // Shows the delivery-note viewer, on the program's data link file or, from
    // the command line, on another; one already open reads afresh, from the
    // file now asked for. No control, menu or key calls it.
    static Controllo_bolla *MostraControlloBolla(const QString &dataLinkFile = {});

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
};
