#pragma once

#include <QDateTime>

class TEquipComm;

// Sets the device's clock (forced, sent at once). Over a serial link the clock runs on between the
// write and its read-back, so a read-back up to 3 s after the written time counts as success.
bool WriteDeviceClock(TEquipComm& session, const QDateTime& time);
int ClockRegister(int family);
