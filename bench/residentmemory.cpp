#include "residentmemory.h"

#include <QFile>
#include <QString>

namespace bench {

qint64 residentKiB(qint64 pid)
{
    const QString name =
        pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status");
    QFile status(name);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace bench
