#pragma once

#include <QString>

// The first IPv4 address of a host name (or the dotted address itself); empty when none.
QString ResolveIPv4(const QString& host);
