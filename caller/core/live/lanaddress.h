#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// The address phones on the hall's network reach this machine at: the IPv4 address of the
// interface that carries the default route (the one of lowest metric where there are several),
// else of the first interface that is up and not the loopback.
QHostAddress lanAddress();

// The interface of the default route of lowest metric in the text of /proc/net/route, or an
// empty string when there is none.
QString defaultRouteInterface(const QByteArray &routeTable);

// "http://192.168.1.20:8765/"; an IPv6 address goes in brackets.
QString liveUrl(const QHostAddress &address, quint16 port);
