#include "geoscreens.h"

#include "carte_acti_dci.h"
#include "carte_italie.h"
#include "mini_carte.h"
#include "province_contacte.h"
#include "regions_contacte.h"
#include "screen.h"
#include "screenslot.h"
#include "situation.h"

void openProvinceContacte() {
    showScreen<Province_Contacte>();
}

void openRegionsContacte() {
    showScreen<Regions_Contacte>();
}

void openCarteItalie() {
    showScreen<Carte_Italie>();
}

void openCarteActiDci() {
    showScreen<Carte_Acti_DCI>();
}

void openSituation() {
    showScreen<Situation>();
}

QWidget* openMiniCarte(const QString& referenceText) {
    auto* screen = new Mini_Carte(referenceText);
    deleteAtQuit(screen);
    present(screen);
    return screen;
}
