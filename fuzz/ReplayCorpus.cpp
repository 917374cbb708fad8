// ReplayCorpus CORPUS_DIR: feeds every file in CORPUS_DIR/<target> to its fuzz target, so that
// each input that once crashed stays a test. A failing input aborts; its name is printed first.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    const struct {
        const char* pszName;
        int (*pfnTarget)(const std::uint8_t*, std::size_t);
    } targets[] = {{"reg_file", FuzzRegFile},
                   {"high_score_record", FuzzHighScoreRecord},
                   {"store_tables", FuzzStoreTables}};
    if (argc != 2)
        return 2;
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    for (const auto& target : targets) {
        const QDir folder(corpus.filePath(QString::fromLatin1(target.pszName)));
        const QStringList names = folder.entryList(QDir::Files);
        if (names.isEmpty()) {
            std::printf("%s: no inputs in %s\n", target.pszName, qPrintable(folder.path()));
            return 1;
        }
        for (const QString& strName : names) {
            QFile file(folder.filePath(strName));
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray data = file.readAll();
            std::printf("%s: %s\n", target.pszName, qPrintable(strName));
            std::fflush(stdout);
            target.pfnTarget(reinterpret_cast<const std::uint8_t*>(data.constData()),
                             static_cast<std::size_t>(data.size()));
        }
    }
    return 0;
}
