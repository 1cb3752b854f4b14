#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Covermint"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Covermint"));
    window.resize(1000, 750);
    window.show();
    return app.exec();
}
