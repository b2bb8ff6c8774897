#include "link/HostResolver.h"

#include "link/Ipv4Address.h"

#include <QHostAddress>
#include <QHostInfo>

QString ResolveIPv4(const QString& host) {
    QString name = host.trimmed();
    if (Ipv4Address::Parse(name.toStdString()))
        return name;
    // The resolver may list ::1 first for "localhost"; devices speak IPv4 only.
    const QHostInfo info = QHostInfo::fromName(name);
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return {};
}
