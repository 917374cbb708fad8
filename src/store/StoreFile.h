#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QLockFile;

// Far above any real store: a larger file is damaged, and no more of it is read or kept.
constexpr qint64 MAX_STORE_BYTES = 16 << 20;

// The file behind the key tree of one root: how it is read, locked for a write and replaced.
class CStoreFile
{
public:
    virtual ~CStoreFile() = default;

    // The table's text; a missing file reads as empty. False when the file is there but cannot
    // be read, or is refused. bTorn: the file holds more than the text (see StoreTables.h), or
    // more than MAX_STORE_BYTES.
    virtual bool Read(QByteArray& text, bool& bTorn) = 0;
    // Waits a little for the write lock; false when it could not be had.
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
    // Keeps the file as last read for whoever wrote what could not be read, before the first
    // replacement; false when it cannot be kept.
    virtual bool KeepDamaged() = 0;
    // Replaces the table as one change; false when it failed, leaving the old one whole.
    virtual bool Replace(const QByteArray& text) = 0;
};

// A file of this user's own: replaced whole (QSaveFile) under a lock file beside it
// (QLockFile). A damaged file is kept as <file>.bak.
class CPrivateStoreFile : public CStoreFile
{
public:
    explicit CPrivateStoreFile(const QString& strPath);
    ~CPrivateStoreFile() override;

    bool Read(QByteArray& text, bool& bTorn) override;
    bool Lock() override;
    void Unlock() override;
    bool KeepDamaged() override;
    bool Replace(const QByteArray& text) override;

private:
    const QString m_strPath;
    QByteArray m_lastRead;
    std::unique_ptr<QLockFile> m_pLock;
};
