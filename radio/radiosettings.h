#pragma once
#include <QString>

// How the program reaches the transceiver; kept in the settings of the program.
struct RadioSettings {
    static constexpr int kNetworkModel = 2; // Hamlib's client of a rigctld

    bool on = false;
    int model = kNetworkModel;
    // A serial device, or host:port for the network model.
    QString port;
    // Bauds; 0 keeps the radio's own default.
    int speed = 0;

    static RadioSettings load();
    void save() const;
};
