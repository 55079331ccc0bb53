#pragma once
#include <QStringList>

// Prints the lines of a castle list on the printer the operator chooses.
void printCastleList(const QStringList& lines);
