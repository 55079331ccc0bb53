#include "districtlocatorawards.h"

#include "aff_contacte_idca.h"
#include "aff_contacte_wais.h"
#include "document_dci.h"
#include "document_wais.h"
#include "scores_idca.h"
#include "scores_wais.h"
#include "screenslot.h"

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
