// The start-up benchmark's baseline: plain Qt Widgets showing one window the size of
// the start window, with as many controls of the same kinds and nothing else.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(752, 536);

    (new QLabel(QStringLiteral("Title"), &window))->setGeometry(0, 0, 753, 57);
    (new QLabel(QStringLiteral("Heading"), &window))->setGeometry(16, 80, 729, 49);
    auto *frame = new QGroupBox(QStringLiteral("Choice"), &window);
    frame->setGeometry(304, 168, 273, 313);
    for (int i = 0; i < 5; ++i) {
        (new QRadioButton(frame))->setGeometry(16, 64 + 32 * i, 17, 17);
        (new QLabel(QStringLiteral("Kind %1").arg(i + 1), frame))
            ->setGeometry(40, 64 + 32 * i, 217, 17);
    }
    (new QLabel(QStringLiteral("Picture"), &window))->setGeometry(56, 192, 200, 230);
    (new QPushButton(QStringLiteral("OK"), &window))->setGeometry(496, 424, 73, 41);
    (new QPushButton(QStringLiteral("Exit"), &window))->setGeometry(656, 440, 73, 41);

    window.show();
    return app.exec();
}
