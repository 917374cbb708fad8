#pragma once

#include <QString>
#include <QTemporaryDir>

// Fresh, empty registry files and XDG folders in a temporary folder, for the life of
// the object; the previous files come back afterwards.
class TempRegistry
{
public:
    TempRegistry();
    ~TempRegistry();

    QString UserFile() const;
    QString MachineFile() const;
    QString Dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_strPrevUser;
    QString m_strPrevMachine;
};
