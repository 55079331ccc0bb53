#include "radiosettings.h"

#include "stationsettings.h"

namespace {

const QString kSection = QStringLiteral("Liaison Poste");

int number(const QString& key, int fallback) {
    bool ok = false;
    const int n = StationSettings::value(kSection, key, QString::number(fallback)).toInt(&ok);
    return ok ? n : fallback;
}

} // namespace

RadioSettings RadioSettings::load() {
    RadioSettings s;
    s.on = StationSettings::value(kSection, QStringLiteral("Active"), QStringLiteral("0")) ==
           QLatin1String("1");
    s.model = number(QStringLiteral("Modele"), kNetworkModel);
    s.port = StationSettings::value(kSection, QStringLiteral("Port"), QString());
    s.speed = number(QStringLiteral("Vitesse"), 0);
    return s;
}

void RadioSettings::save() const {
    StationSettings::setValue(kSection, QStringLiteral("Active"),
                              on ? QStringLiteral("1") : QStringLiteral("0"));
    StationSettings::setValue(kSection, QStringLiteral("Modele"), QString::number(model));
    StationSettings::setValue(kSection, QStringLiteral("Port"), port);
    StationSettings::setValue(kSection, QStringLiteral("Vitesse"), QString::number(speed));
}
