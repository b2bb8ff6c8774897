#include "link/DeviceClock.h"

#include "link/EquipComm.h"

namespace {

constexpr int kToleranceSeconds = 3;

} // namespace

int ClockRegister(int family) {
    return family <= 1 ? 401 : 601;
}

bool WriteDeviceClock(TEquipComm& session, const QDateTime& time) {
    const int first = ClockRegister(session.Family());
    const int fields[] = {time.time().hour(), time.time().minute(), time.time().second(),
                          time.date().day(),  time.date().month(),  time.date().year() - 2000};
    if (session.WriteRegisters(first, fields, false, true))
        return true;
    if (session.IsTcp() || !session.ReadRegisters(first, 6))
        return false;
    auto f = [&](int i) { return session.FetchRegister(first + i); };
    const QDateTime readBack(QDate(2000 + f(5), f(4), f(3)), QTime(f(0), f(1), f(2)));
    const qint64 late = time.secsTo(readBack);
    return readBack.isValid() && late >= 0 && late <= kToleranceSeconds;
}
