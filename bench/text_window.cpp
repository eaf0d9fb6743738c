// The fair floor for start-up time and memory: the bare window with two lines
// of text, one in the default face and one in Tahoma bold loaded from its file,
// so that it pays for font loading as every window with text does.
#include "app/firstframe.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window with text"));
    window.setFixedSize(581, 235);
    QLabel plain(QStringLiteral("Calculate Salary"), &window);
    plain.move(8, 8);
    QLabel bold(QStringLiteral("Weekly salary"), &window);
    bold.setFont(QFont(QStringLiteral("Tahoma"), 8, QFont::Bold));
    bold.move(8, 32);
    wagecourt::app::quitAfterFirstFrame(&window);
    window.show();
    return app.exec();
}
