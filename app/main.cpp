#include "main.h"
#include "commandline.h"
#include "dialogs.h"
#include "keyboard.h"
#include "language.h"
#include "programstart.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    if (const auto status = handleCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setOrganizationName("ZELK");
    QApplication::setApplicationName("DCI");
    QApplication::setDesktopFileName("io.github.zelk.dci");
    QIcon icon;
    icon.addFile(":/icon/io.github.zelk.dci-48.png");
    icon.addFile(":/icon/io.github.zelk.dci-256.png");
    QApplication::setWindowIcon(icon);
    loadQtFrench(app);
    installEnterPressesButtons(app);
    if (!openProgramDirectory())
        return 1;
    auto* window = new Main;
    window->show();
    return app.exec();
}
