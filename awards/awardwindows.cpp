#include "awardwindows.h"

#include "aff_contacte.h"
#include "aff_contacte_dclo.h"
#include "aff_contacte_idca.h"
#include "aff_contacte_wais.h"
#include "document_dci.h"
#include "document_wais.h"
#include "reglement.h"
#include "reglement_dcpc.h"
#include "scores.h"
#include "scores_dclo.h"
#include "scores_dcpc.h"
#include "scores_idca.h"
#include "scores_wais.h"
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

void openAffContacteIdca() {
    showScreen<Aff_Contacte_IDCA>();
}

void openScoresIdca() {
    showScreen<Scores_IDCA>();
}

void openAffContacteWais() {
    showScreen<Aff_Contacte_WAIS>();
}

void openScoresWais() {
    showScreen<Scores_WAIS>();
}

void openDocumentWais() {
    showScreen<Document_WAIS>();
}

void openDocumentDci() {
    showScreen<Document_DCI>();
}
