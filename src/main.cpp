#include "app/GameApp.h"
#include "platform/Privileges.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    SecureStart(argc, argv);
    QApplication app(argc, argv);
    theApp.InitInstance();
    return 0;
}
