#include "aff_contacte_dclo.h"

Aff_Contacte_DCLO::Aff_Contacte_DCLO(QWidget* owner)
    : CastleListScreen(awards::Award::Dclo,
                       {QStringLiteral("Aff_Contacte_DCLO"),
                        QStringLiteral("Chateaux contactés pour le diplome DCLo"),
                        QStringLiteral("Confirmés"), QStringLiteral("Chateaux de Lombardie"),
                        awards::kDcloHeader, awards::kDcloHeaderColumns},
                       owner) {}
