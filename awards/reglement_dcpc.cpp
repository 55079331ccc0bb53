#include "reglement_dcpc.h"

#include "reglementtext.h"

Reglement_DCPC::Reglement_DCPC(QWidget* owner)
    : RulesScreen(QStringLiteral("Reglement_DCPC"),
                  QStringLiteral("Règlement du Diplome des Chateaux de la Province de Cueno"),
                  QStringLiteral("Règlement du diplome  DCPC"), awards::dcpcRules(), owner) {}
