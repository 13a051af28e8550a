// The resident memory of this process, for the memory benchmarks.
#pragma once

#include <QByteArray>
#include <QFile>

// Returns: VmRSS in KiB, or -1 when /proc cannot tell.
inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
