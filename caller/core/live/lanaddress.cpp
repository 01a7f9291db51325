#include "lanaddress.h"

#include <QFile>
#include <QList>
#include <QNetworkInterface>

#include <limits>

namespace {

QHostAddress ipv4Of(const QNetworkInterface &interface)
{
    for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
        const QHostAddress address = entry.ip();
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address;
    }
    return {};
}

} // namespace

QString defaultRouteInterface(const QByteArray &routeTable)
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...; the first line names them.
    constexpr unsigned RouteUp = 0x1;
    QString best;
    long bestMetric = std::numeric_limits<long>::max();
    const QList<QByteArray> lines = routeTable.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 8)
            continue;
        bool flagsOk = false;
        bool metricOk = false;
        const unsigned flags = fields[3].toUInt(&flagsOk, 16);
        const long metric = fields[6].toLong(&metricOk);
        if (fields[1] != "00000000" || fields[7] != "00000000" || !flagsOk || !metricOk ||
            !(flags & RouteUp))
            continue;
        if (metric < bestMetric) {
            bestMetric = metric;
            best = QString::fromLatin1(fields[0]);
        }
    }
    return best;
}

QHostAddress lanAddress()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (routes.open(QIODevice::ReadOnly)) {
        const QString name = defaultRouteInterface(routes.readAll());
        if (!name.isEmpty()) {
            const QHostAddress address = ipv4Of(QNetworkInterface::interfaceFromName(name));
            if (!address.isNull())
                return address;
        }
    }
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        const QHostAddress address = ipv4Of(interface);
        if (!address.isNull())
            return address;
    }
    return {};
}

QString liveUrl(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}
