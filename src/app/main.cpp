#include "app/CCovermintApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Covermint"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    int status = 0;
    {
        CCovermintApp covermint(QApplication::applicationDirPath());
        status = covermint.Start(QApplication::arguments());
        if (status < 0)
            status = QApplication::exec();
    }
    return status;
}
