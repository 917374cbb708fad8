#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
#include <sys/resource.h>

// A file's bytes as they are; empty when it cannot be read.
inline QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file in place, as an editor or another program might.
inline void WriteAll(const QString& strPath, const QByteArray& data)
{
    QFile file(strPath);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

// While it lives, no file of this process grows beyond nBytes, as on a full disk: a write past
// it fails instead of raising SIGXFSZ. Unlike permissions, this binds root too.
class CFullDisk
{
public:
    explicit CFullDisk(rlim_t nBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_pPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{nBytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_pPreviousHandler);
    }
    CFullDisk(const CFullDisk&) = delete;
    CFullDisk& operator=(const CFullDisk&) = delete;

private:
    rlimit m_previous{};
    void (*m_pPreviousHandler)(int) = nullptr;
};
