#pragma once
#include "reglement.h"

// The rules of the DCPC award.
class Reglement_DCPC : public RulesScreen {
    Q_OBJECT
public:
    explicit Reglement_DCPC(QWidget* owner = nullptr);
};
