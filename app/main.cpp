#include "form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Curvanta"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QIcon icon;
    for (const char *size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);

    Form1 form;
    form.start();
    return app.exec();
}
