#pragma once

class TEquipComm;

// Reads from the device every register that the family's configuration file saves, so that a save
// writes the device's values and a load sends only what differs. False at the first failed read.
bool RefreshConfiguration(TEquipComm& session);
