// Any store file is written so that it reads back the same; the fuzzer hunts for one that does not.
#include "FuzzTargets.h"

#include "store/RegFile.h"
#include "store/RegTree.h"

#include <QByteArray>
#include <QString>
#include <cstdlib>

int FuzzRegFile(const std::uint8_t* pData, std::size_t nSize)
{
    const QString strRoot = QStringLiteral("HKEY_CURRENT_USER");
    CRegNode tree;
    ParseRegFile(QByteArray(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize)),
                 strRoot, tree);
    const QByteArray written = FormatRegFile(tree, strRoot);
    CRegNode reread;
    if (!ParseRegFile(written, strRoot, reread) || !(reread == tree) ||
        FormatRegFile(reread, strRoot) != written)
        std::abort();
    return 0;
}
