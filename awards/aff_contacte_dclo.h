#pragma once
#include "castlelistscreen.h"

// The QSOs that count for the DCLO award, contacted or confirmed.
class Aff_Contacte_DCLO : public CastleListScreen {
    Q_OBJECT
public:
    explicit Aff_Contacte_DCLO(QWidget* owner = nullptr);
};
