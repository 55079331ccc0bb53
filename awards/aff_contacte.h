#pragma once
#include "castlelistscreen.h"

class QPushButton;

// The QSOs that count for the DCI award, contacted or confirmed.
class Aff_Contacte : public CastleListScreen {
    Q_OBJECT
public:
    explicit Aff_Contacte(QWidget* owner = nullptr);
    // `Command1`: opens the request document of the DCI award, which reads listLines().
    QPushButton* documentButton() const { return m_document; }

private:
    QPushButton* m_document;
};
