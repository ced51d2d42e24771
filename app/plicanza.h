#pragma once

#include "shell/form.h"

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

    // Shows the delivery-note viewer. No control, menu or key calls it.
    void MostraControlloBolla();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
};
