#pragma once

#include <pelavorine/interface.h>

namespace pelavorine {

// The logic ports of the acquisition interface, as the calculation functions IN and OUT
// reach them. Ports are numbered from 1. The interface layer implements it; without an
// acquisition system there is no port.
class PortsLogiques {
public:
    virtual ~PortsLogiques() = default;
    virtual int NbPorts() const = 0;
    // PELAVORINE_PORT_SORTIE when the port is an output, PELAVORINE_PORT_ENTREE an input.
    virtual int LireSensPort(int port) = 0;
    // Makes the port an input or an output (PELAVORINE_PORT_*); false when the interface
    // refuses.
    virtual bool ProgrammerSensPort(int port, int sens) = 0;
    virtual int LirePort(int port) = 0;
    virtual void EcrirePort(int port, int valeur) = 0;
};

// No acquisition system: no logic port.
class SansPorts : public PortsLogiques {
public:
    int NbPorts() const override { return 0; }
    int LireSensPort(int) override { return PELAVORINE_PORT_ENTREE; }
    bool ProgrammerSensPort(int, int) override { return false; }
    int LirePort(int) override { return 0; }
    void EcrirePort(int, int) override {}
};

} // namespace pelavorine
