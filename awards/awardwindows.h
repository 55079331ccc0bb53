#pragma once

class Aff_Contacte;

// Opening the award windows and the award request documents from Main. Each opens without
// blocking, centred; choosing an entry again brings the open window forward.
// The DCI list; its request document reads the list of the window returned.
Aff_Contacte* openAffContacte();
void openScores();
void openAffContacteDclo();
void openScoresDclo();
void openScoresDcpc();
void openReglement();
void openReglementDcpc();
void openAffContacteIdca();
void openScoresIdca();
void openAffContacteWais();
void openScoresWais();
void openDocumentWais();
void openDocumentDci();
