#include "castleawards.h"

#include "aff_contacte.h"
#include "aff_contacte_dclo.h"
#include "reglement.h"
#include "reglement_dcpc.h"
#include "scores.h"
#include "scores_dclo.h"
#include "scores_dcpc.h"
#include "screenslot.h"

Aff_Contacte* openAffContacte() {
    return showScreen<Aff_Contacte>();
}

void openScores() {
    showScreen<Scores>();
}

void openAffContacteDclo() {
    showScreen<Aff_Contacte_DCLO>();
}

void openScoresDclo() {
    showScreen<Scores_DCLO>();
}

void openScoresDcpc() {
    showScreen<Scores_DCPC>();
}

void openReglement() {
    showScreen<Reglement>();
}

void openReglementDcpc() {
    showScreen<Reglement_DCPC>();
}
