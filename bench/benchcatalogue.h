#pragma once

#include "benchserver.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// A demo catalogue of a wholesaler's size, built once per build tree by
// qtx-server --init-demo and kept beside the benchmarks; its path, or empty.
inline QString benchCatalogue(int articles) {
    const QString path = QStringLiteral(QTX_BENCH_BINARY_DIR "/bench/catalogue-%1.sqlite").arg(articles);
    if (QFileInfo::exists(path))
        return path;
    std::fprintf(stderr, "building %s ...\n", qPrintable(path));
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    QProcess init;
    init.start(
        QStringLiteral(QTX_BENCH_BINARY_DIR "/bin/qtx-server"),
        {QStringLiteral("--init-demo"), partial, QStringLiteral("--articles"), QString::number(articles)});
    if (!init.waitForFinished(-1) || init.exitCode() != 0 || !QFile::rename(partial, path)) {
        std::fprintf(stderr, "--init-demo failed: %s\n", init.readAllStandardError().constData());
        return QString();
    }
    return path;
}

// qtx-server on that catalogue; false with the reason printed.
inline bool startCatalogueServer(SoapServerProcess& process, int articles, QString* path) {
    *path = benchCatalogue(articles);
    if (path->isEmpty())
        return false;
    return startBenchServer(process, {QStringLiteral("--db"), *path});
}

// Article numbers spread evenly over a catalogue.
inline QStringList sampleNumbers(const QString& path, int count) {
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sample"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() &&
            q.exec(QStringLiteral("SELECT NUMMER FROM ARTIKEL WHERE ROW_ID % (SELECT max(ROW_ID) / "
                                  "%1 FROM ARTIKEL) = 7 LIMIT %1")
                       .arg(count))) {
            while (q.next())
                out << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sample"));
    return out;
}
