#include "PtyPair.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

TPtyPair::TPtyPair() {
    socat_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    socat_.start("socat", {"pty,raw,echo=0,link=" + ProgramEnd(), "pty,raw,echo=0,link=" + DeviceEnd()});
    if (!socat_.waitForStarted(5000))
        return;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (QFileInfo::exists(ProgramEnd()) && QFileInfo::exists(DeviceEnd())) {
            ready_ = true;
            return;
        }
        QThread::msleep(10);
    }
}

void TPtyPair::Cut() {
    socat_.kill();
    socat_.waitForFinished(2000);
}

TPtyPair::~TPtyPair() {
    socat_.terminate();
    if (!socat_.waitForFinished(2000))
        socat_.kill();
    socat_.waitForFinished(2000);
}
