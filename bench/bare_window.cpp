// The baseline for start-up time and memory: an empty Qt Widgets window of the
// same size, built the same way, measured the same way.
#include "app/firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(581, 235);
    wagecourt::app::quitAfterFirstFrame(&window);
    window.show();
    return app.exec();
}
