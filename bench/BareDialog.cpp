// The yardstick for start-up: the least a Qt program does to show a dialog.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dlg;
    dlg.setWindowTitle(QStringLiteral("Bare"));
    QLabel label(QStringLiteral("A bare dialog"), &dlg);
    return dlg.exec();
}
