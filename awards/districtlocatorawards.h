#pragma once

// Opening the IDCA and WAIS windows and the award request documents. Each opens without
// blocking, centred; choosing it again brings the open window forward.
void openAffContacteIdca();
void openScoresIdca();
void openAffContacteWais();
void openScoresWais();
void openDocumentWais();
void openDocumentDci();
