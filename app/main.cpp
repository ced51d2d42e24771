#include "app/plicanza.h"
#include "shell/defaultinstances.h"
#include "shell/look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    look::apply();
    forms::show(forms::defaultInstance<plicanza>());
    return app.exec();
}
