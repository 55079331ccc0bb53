#include "stationsettings.h"

#include <QSettings>

namespace {

const QString kSetup = QStringLiteral("Setup ");

QString read(const QString& application, const QString& section, const QString& key,
             const QString& fallback) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZELK"), application);
    s.beginGroup(section);
    return s.value(key, fallback).toString();
}

int readIndex(const QString& callsign, const QString& key) {
    bool ok = false;
    const int index =
        StationSettings::value(StationSettings::stationSection(callsign), key, "0").toInt(&ok);
    return ok ? index : 0;
}

} // namespace

QString checkStationCallsign(const QString& callsign) {
    if (callsign.isEmpty() || callsign == StationSettings::kNoStation)
        return QStringLiteral("Vous devez entrer un indicatif");
    if (callsign.size() > 12)
        return QStringLiteral("12 caracteres maximum pour l'indicatif");
    for (QChar c : callsign) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'_'))
            return QStringLiteral(
                "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    }
    return {};
}

QString& StationCallsign() {
    static QString callsign = StationSettings::kNoStation;
    return callsign;
}

QString StationSettings::value(const QString& section, const QString& key,
                               const QString& fallback) {
    return read(QStringLiteral("DCI"), section, key, fallback);
}

QString StationSettings::siblingValue(const QString& section, const QString& key,
                                      const QString& fallback) {
    return read(QStringLiteral("DAI"), section, key, fallback);
}

void StationSettings::setValue(const QString& section, const QString& key, const QString& value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZELK"),
                QStringLiteral("DCI"));
    s.beginGroup(section);
    s.setValue(key, value);
}

QString StationSettings::stationCallsign() {
    // A stored callsign names a file: one the station screen would refuse means no station.
    const QString stored = value(kSetup, QStringLiteral("Indicatif Station"), kNoStation);
    return checkStationCallsign(stored).isEmpty() ? stored : kNoStation;
}

void StationSettings::setStationCallsign(const QString& callsign) {
    setValue(kSetup, QStringLiteral("Indicatif Station"), callsign);
}

void StationSettings::setProgramDirectory(const QString& directory) {
    setValue(kSetup, QStringLiteral("Chemin Repertoire"), directory);
}

int StationSettings::bandIndex(const QString& callsign) {
    return readIndex(callsign, QStringLiteral("bande Utilisee"));
}

void StationSettings::setBandIndex(const QString& callsign, int index) {
    setValue(stationSection(callsign), QStringLiteral("bande Utilisee"), QString::number(index));
}

int StationSettings::modeIndex(const QString& callsign) {
    return readIndex(callsign, QStringLiteral("Mode Utilise"));
}

void StationSettings::setModeIndex(const QString& callsign, int index) {
    setValue(stationSection(callsign), QStringLiteral("Mode Utilise"), QString::number(index));
}

void StationSettings::setRevision(const QString& callsign) {
    setValue(stationSection(callsign), QStringLiteral("Revision"), kVersion);
}
