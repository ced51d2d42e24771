#pragma once

#include "form.h"

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
};
