#pragma once

class Aff_Contacte;

// Opening the castle award screens from Main. Each opens without blocking, centred; choosing
// an entry again brings the open screen forward.
// The DCI list; its request document reads the list of the screen returned.
Aff_Contacte* openAffContacte();
void openScores();
void openAffContacteDclo();
void openScoresDclo();
void openScoresDcpc();
void openReglement();
void openReglementDcpc();
