#include "model/vkklanswers.h"

#include "model/conversions.h"
#include "model/servermessage.h"
#include "model/uitexts.h"
#include "platform/logger.h"

namespace VkklAnswers {

namespace {

// The line's own result; a code that is no number is a failure, not a success.
void takeLineResult(VkklAnswer& a, const VkklEnvironment& env) {
    if (a.lines.isEmpty())
        return;
    const TVerkaufskladde& line = a.lines.first();
    const QString code = line.FEHLERNUMMER.trimmed();
    a.code = code.isEmpty() ? 0 : Convert::toIntDef(code, 1);
    a.message = ServerMessage::normalise(line.FEHLERTEXT, env.context);
}

VkklAnswer fullForm(const QString& count, const QStringList& lines, const VkklEnvironment& env) {
    VkklAnswer a;
    if (!VkklCodec::String2VKKL(count, lines, a.lines, a.fieldCount, env)) {
        a.code = 1;
        a.message = QStringLiteral("Datenstruktur ist fehlerhaft");
    }
    return a;
}

VkklAnswer failure(int code, const QString& message) {
    VkklAnswer a;
    a.code = code;
    a.message = message;
    return a;
}

} // namespace

VkklAnswer readGet169Tcp(const QStringList& answer, const VkklEnvironment& env) {
    if (answer.isEmpty())
        return failure(1, QStringLiteral("StrToInt of NumVKKL \"\" failed!"));
    bool ok = false;
    answer.first().trimmed().toLongLong(&ok);
    if (!ok)
        return failure(1, QStringLiteral("StrToInt of NumVKKL \"") + answer.first() +
                              QStringLiteral("\" failed!"));
    return fullForm(answer.first(), answer.mid(1), env);
}

VkklAnswer readGet160Tcp(const QStringList& answer, const VkklEnvironment& env) {
    VkklAnswer a;
    a.code = VkklCodec::Outliste2VKKL(answer, a.lines, a.message, env.logger);
    return a;
}

VkklAnswer readGetKladdenSoap(const QStringList& answer, const VkklEnvironment& env) {
    qsizetype n = 0;
    QStringList lines;
    bool ok = false;
    if (answer.size() >= 2 && answer.at(0) == u"NUMKLADDEN")
        n = answer.at(1).trimmed().toLongLong(&ok);
    if (ok) {
        lines = answer.mid(2);
    } else {
        lines = answer;
        n = lines.size() / VkklCodec::minFields;
    }
    if (n < 1)
        return VkklAnswer();
    if (lines.size() % n != 0)
        return failure(
            1, QStringLiteral("GetKladden: %1 Zeilen lassen sich nicht auf %2 Kladdenzeilen aufteilen.")
                   .arg(lines.size())
                   .arg(n));
    return fullForm(QString::number(n), lines, env);
}

VkklAnswer readUpdate163(const QStringList& answer, const VkklEnvironment& env) {
    VkklAnswer a;
    if (answer.size() < 64) {
        a.code = VkklCodec::TooFewLines;
        a.message = QStringLiteral("Fehler Outliste2VKKL zu wenig Felder in Rückgabestringlist, count=") +
                    QString::number(answer.size());
        env.logger.Log(1, a.message, 1);
        return a;
    }
    a.code = VkklCodec::Outliste2VKKL(answer, a.lines, a.message, env.logger);
    if (a.code == VkklCodec::Ok)
        takeLineResult(a, env);
    return a;
}

VkklAnswer readInsert165(const QStringList& answer, const VkklEnvironment& env) {
    VkklAnswer a;
    if (answer.size() <= VkklCodec::shortFields || answer.at(0) != u"1") {
        a.code = 1;
        return a;
    }
    a.code = VkklCodec::Outliste2VKKL(answer, a.lines, a.message, env.logger);
    if (a.code == VkklCodec::Ok && !a.lines.isEmpty())
        a.vkklId = a.lines.first().VKKL_ID;
    return a;
}

VkklAnswer readInsert172(const QStringList& answer, const VkklEnvironment& env) {
    if (answer.size() < 2)
        return failure(1, QStringLiteral("MyVKKLInsert2: keine VKKL_ID in der Antwort"));
    const QString vkklId = answer.at(1);
    if (answer.size() < 128) {
        VkklAnswer a;
        a.vkklId = vkklId;
        a.reread = true;
        return a;
    }
    VkklAnswer a = fullForm(QStringLiteral("1"), answer.mid(3), env);
    a.vkklId = vkklId;
    if (a.code == 0)
        takeLineResult(a, env);
    return a;
}

VkklAnswer readUpdate174(const QStringList& answer, bool soap, const VkklEnvironment& env) {
    QStringList lines = answer;
    if (soap) {
        if (lines.size() < 127) {
            // A short answer is an error whatever its first line says.
            const int code = lines.isEmpty() ? 1 : Convert::toIntDef(lines.first(), 1);
            return failure(code == 0 ? 1 : code, lines.mid(1).join(QStringLiteral("\r\n")));
        }
        lines.removeFirst();
    }
    QString extra;
    if (lines.size() > VkklCodec::minFields)
        extra = lines.takeFirst();
    VkklAnswer a = fullForm(QStringLiteral("1"), lines, env);
    a.extra = extra;
    if (a.code == 0)
        takeLineResult(a, env);
    return a;
}

VkklAnswer readUpdate168(const QStringList& answer, const VkklEnvironment& env) {
    QStringList lines = answer;
    bool isCount = false;
    if (lines.size() > VkklCodec::maxFields)
        lines.first().trimmed().toInt(&isCount);
    if (isCount)
        lines.removeFirst();
    if (lines.size() < VkklCodec::minFields)
        return failure(113, QStringLiteral("IVKKLUpdate3: zu wenig Zeilen (%1)").arg(lines.size()));
    VkklAnswer a;
    a.lines.resize(1);
    a.fieldCount = int(std::min<qsizetype>(lines.size(), VkklCodec::maxFields));
    RecordCodec::decodeInto(a.lines.first(), lines, 0, a.fieldCount);
    takeLineResult(a, env);
    return a;
}

VkklAnswer readMassUpdate(const QStringList& answer, int failed) {
    VkklAnswer a;
    QStringList messages;
    if (!VkklCodec::decodeMassUpdateForm(answer, a.lines, messages, a.message)) {
        a.code = failed > 0 ? failed : 1;
        return a;
    }
    a.code = failed;
    if (failed > 0)
        a.message = massUpdateReport(failed, messages);
    return a;
}

QString massUpdateReport(int failed, const QStringList& messages) {
    QString text = QString::number(failed) + QStringLiteral(" Fehler");
    for (const QString& m : messages) {
        if (!m.trimmed().isEmpty())
            text += QStringLiteral("\r\n") + m;
    }
    return text;
}

QString insert2Question(const QString& message) {
    return message + Txt::get(Txt::Soll_beenden);
}

} // namespace VkklAnswers
