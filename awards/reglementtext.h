#pragma once
#include <QStringList>

// The rules of the DCI and DCPC awards, one entry per line shown, empty lines included.
namespace awards {

QStringList dciRules();
QStringList dcpcRules();

} // namespace awards
