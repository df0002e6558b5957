#include "model/vkklanswers.h"
#include "model/vkklcodec.h"
#include "recordfixtures.h"

#include "fakes.h"
#include "platform/logger.h"

#include <QSignalSpy>
#include <QTest>

// The answer forms of draft lines and the answer rules of the requests that
// change them.
class TestVkklCodec : public QObject {
    Q_OBJECT

public:
    TestVkklCodec()
        : m_logger(m_clock)
        , m_env{m_logger, m_ending, m_context} {
        m_context.hotline = QStringLiteral("Hotline 0800 123");
    }

private:
    static QStringList numbered(qsizetype n) {
        QStringList lines;
        for (qsizetype k = 0; k < n; ++k)
            lines.append(QStringLiteral("L%1").arg(k));
        return lines;
    }

    // A short-form answer of one line whose result fields are set.
    static QStringList shortAnswer(const QString& fehlernummer, const QString& fehlertext,
                                   int blockLength = 62) {
        TVerkaufskladde line = distinctRecord<TVerkaufskladde>(1);
        line.FEHLERNUMMER = fehlernummer;
        line.FEHLERTEXT = fehlertext;
        return VkklCodec::encodeShortForm({line}, blockLength);
    }

    ManualClock m_clock;
    Logger m_logger;
    RecordingEnding m_ending;
    ModelContext m_context;
    VkklEnvironment m_env;

private Q_SLOTS:
    void init() { m_ending.calls.clear(); }

    void fullForm_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<int>("records");
        QTest::newRow("258 lines for 2") << QStringLiteral("2") << 258 << true << 129 << 2;
        QTest::newRow("250 lines for 2") << QStringLiteral("2") << 250 << true << 125 << 2;
        QTest::newRow("251 lines for 2") << QStringLiteral("2") << 251 << true << 125 << 2;
        QTest::newRow("260 lines for 2") << QStringLiteral("2") << 260 << false << 130 << 0;
        QTest::newRow("248 lines for 2") << QStringLiteral("2") << 248 << false << 124 << 0;
        QTest::newRow("count 0") << QStringLiteral("0") << 258 << true << 0 << 0;
        QTest::newRow("count no number") << QStringLiteral("zwei") << 258 << true << 0 << 0;
        QTest::newRow("huge count") << QStringLiteral("99999999999") << 258 << false << 0 << 0;
    }
    void fullForm() {
        QFETCH(QString, count);
        QFETCH(int, lines);
        QFETCH(bool, ok);
        QFETCH(int, fieldCount);
        QFETCH(int, records);
        TVerkaufskladdeArray out{TVerkaufskladde()};
        int f = -1;
        const QStringList answer = numbered(lines);
        QCOMPARE(VkklCodec::String2VKKL(count, answer, out, f, m_env), ok);
        QCOMPARE(f, fieldCount);
        QCOMPARE(out.size(), records);
        QCOMPARE(m_ending.calls.size(), ok ? 0 : 1);
        if (records == 2) {
            QCOMPARE(out.at(1).BENUTZER, answer.at(fieldCount));
            QCOMPARE(out.at(1).EXT_LAGER, answer.at(fieldCount + 124));
            QCOMPARE(out.at(1).DUMMY3_FELD.isEmpty(), fieldCount < 129);
            QCOMPARE(out.at(0).UNIQUE_IDENT.isEmpty(), fieldCount < 126);
        }
    }

    void unreadableDraftEndsTheProgram() {
        QSignalSpy logged(&m_logger, &Logger::memoAppended);
        TVerkaufskladdeArray out;
        int f = 0;
        QVERIFY(!VkklCodec::String2VKKL(QStringLiteral("2"), numbered(260), out, f, m_env));
        QCOMPARE(m_ending.calls.size(), 1);
        const RecordingEnding::Call& call = m_ending.calls.first();
        QCOMPARE(call.routine, QStringLiteral("SetTerminateTimeout_halt"));
        const QString text =
            QStringLiteral("NumFelderfromServer=130 Fehler Anzahl Strings[130] <> Anzahl Rekords "
                           "[129].\r\nAnzahl Kladdenzeilen=2 Gesamtstrings=260");
        QCOMPARE(call.text, text + QStringLiteral("\r\nDatenstruktur ist fehlerhaft\r\nHotline 0800 123"));
        QCOMPARE(logged.size(), 1);
        QCOMPARE(logged.first().first().toString(), QStringLiteral("String2VKKL: ") + text);
    }

    void fullFormRoundTripAndQuotes() {
        TVerkaufskladdeArray sent = distinctRecords<TVerkaufskladde>(3);
        sent[1].TEXT = QStringLiteral("Zoll 3/4\" Schlauch");
        TVerkaufskladdeArray out;
        int f = 0;
        QVERIFY(VkklCodec::String2VKKL(QStringLiteral("3"), VkklCodec::encodeFullForm(sent), out, f, m_env));
        QCOMPARE(out.at(1).TEXT, QStringLiteral("Zoll 3/4  Schlauch"));
        sent[1].TEXT = out.at(1).TEXT;
        QVERIFY(out == sent);
    }

    void shortForm_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QStringList sixtyOne(61);
        sixtyOne[0] = QStringLiteral("1");
        QTest::newRow("61 lines")
            << sixtyOne << 255
            << QStringLiteral("Fehler Outliste2VKKL zu wenig Felder in Rückgabestringlist, count=61");
        QStringList badCount(63);
        badCount[0] = QStringLiteral("x");
        QTest::newRow("count no number")
            << badCount << 254
            << QStringLiteral("Fehler Outliste2VKKL Anzahl Kladden nicht definiert, Zeile=x Count=63");
        badCount[0] = QStringLiteral("0");
        QTest::newRow("count 0")
            << badCount << 254
            << QStringLiteral("Fehler Outliste2VKKL Anzahl Kladden nicht definiert, Zeile=0 Count=63");
        QStringList uneven(126);
        uneven[0] = QStringLiteral("2");
        QTest::newRow("uneven") << uneven << 253
                                << QStringLiteral("Fehler Outliste2VKKL Anzahl Kladden=2 Anzahl Felder=62 "
                                                  "myListe.count=125 count Soll=124 ");
        QStringList shortBlocks(121);
        shortBlocks[0] = QStringLiteral("2");
        QTest::newRow("blocks of 60")
            << shortBlocks << 252 << QStringLiteral("Outliste2VKKL Exception: List index out of bounds (60)");
    }
    void shortForm() {
        QFETCH(QStringList, lines);
        QFETCH(int, code);
        QFETCH(QString, message);
        QSignalSpy logged(&m_logger, &Logger::memoAppended);
        TVerkaufskladdeArray out{TVerkaufskladde()};
        QString text;
        QCOMPARE(VkklCodec::Outliste2VKKL(lines, out, text, m_logger), code);
        QCOMPARE(text, message);
        QVERIFY(out.isEmpty());
        QCOMPARE(logged.size(), 1);
    }

    void shortFormBlocksOf70() {
        const TVerkaufskladdeArray sent = distinctRecords<TVerkaufskladde>(2);
        QStringList lines = VkklCodec::encodeShortForm(sent, 70);
        QCOMPARE(lines.size(), 141);
        lines[63] = QStringLiteral("extra line of block 0");
        TVerkaufskladdeArray out;
        QString message;
        QCOMPARE(VkklCodec::Outliste2VKKL(lines, out, message, m_logger), 0);
        QCOMPARE(out.size(), 2);
        for (const auto member : VkklCodec::shortFormFields())
            QCOMPARE(out.at(1).*member, sent.at(1).*member);
        QCOMPARE(out.at(0).UNIQUE_IDENT, sent.at(0).UNIQUE_IDENT);
        QVERIFY(out.at(0).NATRABATT_UNTERDR.isEmpty());
        QVERIFY(out.at(1).DUMMY1_FELD.isEmpty());
    }

    void massUpdateForm() {
        const TVerkaufskladdeArray sent = distinctRecords<TVerkaufskladde>(2);
        const QStringList messages{QStringLiteral("OK"), QStringLiteral("Menge ungültig")};
        const QStringList lines = VkklCodec::encodeMassUpdateForm(sent, messages);
        QCOMPARE(lines.size(), 1 + 2 * 126);
        TVerkaufskladdeArray out;
        QStringList gotMessages;
        QString error;
        QVERIFY(VkklCodec::decodeMassUpdateForm(lines, out, gotMessages, error));
        QCOMPARE(gotMessages, messages);
        QCOMPARE(out.at(1).EXT_LAGER, sent.at(1).EXT_LAGER);
        QVERIFY(out.at(1).UNIQUE_IDENT.isEmpty());
        QVERIFY(!VkklCodec::decodeMassUpdateForm(lines.mid(0, 200), out, gotMessages, error));
        QVERIFY(!error.isEmpty());
        QVERIFY(out.isEmpty());

        const VkklAnswer report = VkklAnswers::readMassUpdate(lines, 1);
        QCOMPARE(report.code, 1);
        QCOMPARE(report.message, QStringLiteral("1 Fehler\r\nOK\r\nMenge ungültig"));
    }

    void update163_data() {
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("success") << shortAnswer(QStringLiteral("0"), QString(), 63) << 0 << QString();
        QTest::newRow("line failed, normalised")
            << shortAnswer(QStringLiteral("17"), QStringLiteral("X Der Kunde erlaubt keine Rückstände"), 63)
            << 17
            << QStringLiteral("Auf Kundenwunsch ist kein Rückstand möglich, Artikel kann beschafft werden.");
        QTest::newRow("code no number is a failure")
            << shortAnswer(QStringLiteral("E"), QStringLiteral("kaputt"), 63) << 1
            << QStringLiteral("kaputt");
        QTest::newRow("63 lines are too few")
            << shortAnswer(QStringLiteral("0"), QString(), 62) << 255
            << QStringLiteral("Fehler Outliste2VKKL zu wenig Felder in Rückgabestringlist, count=63");
    }
    void update163() {
        QFETCH(QStringList, answer);
        QFETCH(int, code);
        QFETCH(QString, message);
        const VkklAnswer a = VkklAnswers::readUpdate163(answer, m_env);
        QCOMPARE(a.code, code);
        QCOMPARE(a.message, message);
    }

    void insert165() {
        const QStringList ok = shortAnswer(QStringLiteral("0"), QString());
        const VkklAnswer a = VkklAnswers::readInsert165(ok, m_env);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.vkklId, distinctRecord<TVerkaufskladde>(1).VKKL_ID);
        QStringList two = ok;
        two[0] = QStringLiteral("2");
        QVERIFY(VkklAnswers::readInsert165(two, m_env).code != 0);
        QVERIFY(VkklAnswers::readInsert165(ok.mid(0, 62), m_env).code != 0);
    }

    void insert172() {
        TVerkaufskladde line = distinctRecord<TVerkaufskladde>(4);
        line.FEHLERNUMMER = QStringLiteral("0");
        QStringList answer{QStringLiteral("OK"), QStringLiteral("4711"), QStringLiteral("1")};
        answer += VkklCodec::encodeFullForm({line}, 125);
        VkklAnswer a = VkklAnswers::readInsert172(answer, m_env);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.vkklId, QStringLiteral("4711"));
        QCOMPARE(a.lines.size(), 1);
        QCOMPARE(a.lines.first().EXT_LAGER, line.EXT_LAGER);
        QVERIFY(!a.reread);
        a = VkklAnswers::readInsert172(answer.mid(0, 127), m_env);
        QVERIFY(a.reread);
        QCOMPARE(a.vkklId, QStringLiteral("4711"));
        QVERIFY(a.lines.isEmpty());
    }

    void update174() {
        TVerkaufskladde line = distinctRecord<TVerkaufskladde>(2);
        line.FEHLERNUMMER = QStringLiteral("0");
        const QStringList full = VkklCodec::encodeFullForm({line});
        // SOAP: line 0 is the error code; then a leading line before the 129 fields.
        QStringList soap{QStringLiteral("0"), QStringLiteral("Hinweis")};
        soap += full;
        VkklAnswer a = VkklAnswers::readUpdate174(soap, true, m_env);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.extra, QStringLiteral("Hinweis"));
        QVERIFY(a.lines.first() == line);
        // TCP with exactly 125 lines: no leading line.
        a = VkklAnswers::readUpdate174(full.mid(0, 125), false, m_env);
        QCOMPARE(a.code, 0);
        QVERIFY(a.extra.isEmpty());
        QCOMPARE(a.lines.first().EXT_LAGER, line.EXT_LAGER);
        // A short SOAP answer is an error, even when it says "0".
        a = VkklAnswers::readUpdate174({QStringLiteral("42"), QStringLiteral("gesperrt")}, true, m_env);
        QCOMPARE(a.code, 42);
        QCOMPARE(a.message, QStringLiteral("gesperrt"));
        QVERIFY(VkklAnswers::readUpdate174({QStringLiteral("0")}, true, m_env).code != 0);
        QVERIFY(m_ending.calls.isEmpty());
    }

    void update168() {
        TVerkaufskladde line = distinctRecord<TVerkaufskladde>(3);
        line.FEHLERNUMMER = QStringLiteral("0");
        line.FEHLERTEXT = QStringLiteral("ORA-20001: Menge geändert");
        QStringList answer{QStringLiteral("1")};
        answer += VkklCodec::encodeFullForm({line});
        for (const QStringList& form : {answer, answer.mid(1)}) {
            const VkklAnswer a = VkklAnswers::readUpdate168(form, m_env);
            QCOMPARE(a.code, 0);
            QVERIFY(a.lines.first() == line);
            QCOMPARE(a.message, line.FEHLERTEXT); // Oracle number at the start stays
        }
        QCOMPARE(VkklAnswers::readUpdate168(answer.mid(0, 100), m_env).code, 113);
    }

    void getKladdenSoap_data() {
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("records");
        QTest::newRow("NUMKLADDEN 3 and 375 lines")
            << (QStringList{QStringLiteral("NUMKLADDEN"), QStringLiteral("3")} + numbered(375)) << 0 << 3;
        QTest::newRow("NUMKLADDEN 3 and 374 lines")
            << (QStringList{QStringLiteral("NUMKLADDEN"), QStringLiteral("3")} + numbered(374)) << 1 << 0;
        QTest::newRow("no head, 250 lines") << numbered(250) << 0 << 2;
        QTest::newRow("NUMKLADDEN 2 and 258 lines")
            << (QStringList{QStringLiteral("NUMKLADDEN"), QStringLiteral("2")} + numbered(258)) << 0 << 2;
    }
    void getKladdenSoap() {
        QFETCH(QStringList, answer);
        QFETCH(int, code);
        QFETCH(int, records);
        const VkklAnswer a = VkklAnswers::readGetKladdenSoap(answer, m_env);
        QCOMPARE(a.code, code);
        QCOMPARE(a.lines.size(), records);
        QVERIFY(m_ending.calls.isEmpty());
    }

    void getOverTcp() {
        const TVerkaufskladdeArray sent = distinctRecords<TVerkaufskladde>(2);
        QStringList answer{QStringLiteral("2")};
        answer += VkklCodec::encodeFullForm(sent, 127);
        VkklAnswer a = VkklAnswers::readGet169Tcp(answer, m_env);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.fieldCount, 127);
        QCOMPARE(a.lines.at(1).DUMMY1_FELD, sent.at(1).DUMMY1_FELD);
        QVERIFY(a.lines.at(1).DUMMY2_FELD.isEmpty());
        a = VkklAnswers::readGet169Tcp({QStringLiteral("x")}, m_env);
        QCOMPARE(a.message, QStringLiteral("StrToInt of NumVKKL \"x\" failed!"));
        a = VkklAnswers::readGet160Tcp(VkklCodec::encodeShortForm(sent), m_env);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.lines.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestVkklCodec)
#include "tst_vkklcodec.moc"
