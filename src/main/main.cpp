#include "main/TfrmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ferrolyn"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));

    TfrmMain window(QApplication::arguments().mid(1));
    if (window.Terminated())
        return 0;
    window.show();
    return QApplication::exec();
}
