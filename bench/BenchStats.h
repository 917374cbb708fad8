#pragma once

#include <QFile>
#include <QList>
#include <algorithm>

// Median and maximum of a set of measurements; 0 for none.
inline double Median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double Max(const QList<double>& values)
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Resident and peak resident size in MB from /proc; 0 when unreadable.
struct Memory {
    double rResident = 0;
    double rPeak = 0;
};

inline Memory ReadMemory(qint64 nPid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(nPid));
    Memory memory;
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const double rMb = line.simplified().split(' ').value(1).toDouble() / 1024;
        if (line.startsWith("VmRSS:"))
            memory.rResident = rMb;
        else if (line.startsWith("VmHWM:"))
            memory.rPeak = rMb;
    }
    return memory;
}
