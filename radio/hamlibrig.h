#pragma once
#include "radiosettings.h"

#include <QList>
#include <QString>

#include <optional>

struct s_rig;

// One reading of the transceiver.
struct RadioReading {
    qint64 hz = 0;
    QString mode; // Hamlib's name: "USB", "CWR"...
};

struct RadioModel {
    int model = 0;
    QString maker;
    QString name;
};

// One connection to a transceiver through Hamlib, used from one thread only.
class HamlibRig {
public:
    HamlibRig() = default;
    ~HamlibRig();
    HamlibRig(const HamlibRig&) = delete;
    HamlibRig& operator=(const HamlibRig&) = delete;

    // Empty when the radio answers, else why not.
    QString open(const RadioSettings& settings);
    bool isOpen() const { return m_rig != nullptr; }
    std::optional<RadioReading> read(QString* error);
    void close();

    // Every model Hamlib knows, by maker then name.
    static QList<RadioModel> models();
    // Loads Hamlib's backends once, its own console output silenced first.
    static void prepare();

private:
    s_rig* m_rig = nullptr;
};
