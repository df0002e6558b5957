#include "counterfile.h"

#include "platform/logger.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

CounterFile::CounterFile(Logger& log, const QString& fileName)
    : m_log(log)
    , m_fileName(fileName) {}

void CounterFile::save_counter(const QString& info, const QStringList* liste) {
    if (liste && !liste->isEmpty() && m_log.writable()) {
        QSaveFile file(m_fileName);
        if (file.open(QIODevice::WriteOnly)) {
            QStringEncoder ansi("windows-1252");
            for (const QString& line : *liste)
                file.write(QByteArray(ansi.encode(line)).append("\r\n", 2));
            if (file.commit())
                m_log.Log(
                    0, QStringLiteral("SaveCountListe Anzahl=") + QString::number(liste->size()) + m_fileName,
                    1);
        }
    }
    if (!m_statisticsSaved && saveStatistics) {
        m_statisticsSaved = true;
        saveStatistics(info);
    }
}

QStringList CounterFile::takeLastRun() {
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder ansi("windows-1252");
    QString text = ansi.decode(file.readAll());
    file.close();
    QFile::remove(m_fileName);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
