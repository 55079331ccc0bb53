#include "main.h"
#include "dialogs.h"
#include "keyboard.h"
#include "programdirectory.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("ZELK");
    QApplication::setApplicationName("DCI");
    installEnterPressesButtons(app);
    if (!ProgramDirectory::prepare()) {
        showMessage("Impossible de créer le répertoire du programme " + ProgramDirectory::path());
        return 1;
    }
    auto* window = new Main;
    window->show();
    return app.exec();
}
