#include "model/answerlayouts.h"
#include "model/records.h"
#include "model/vkklcodec.h"
#include "recordfixtures.h"

#include "fakes.h"
#include "platform/logger.h"

#include <QSignalSpy>
#include <QTest>

// Round trips of every record family through the one field table, the
// positions that fixtures pin, and the answer layouts that are not the plain
// full form.
class TestRecords : public QObject {
    Q_OBJECT

private:
    template <class R> void roundTrip(qsizetype expectedFields) {
        QCOMPARE(RecordCodec::fieldCount<R>(), expectedFields);
        const QList<R> records = distinctRecords<R>(3);
        QStringList lines{QStringLiteral("3")};
        lines += RecordCodec::encode(records);
        QCOMPARE(lines.size(), 1 + 3 * expectedFields);
        QList<R> decoded;
        QVERIFY(RecordCodec::decodeCounted<R>(lines, 0, expectedFields, decoded));
        QCOMPARE(decoded.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(decoded.at(i) == records.at(i), qPrintable(QString::number(i)));
    }

private Q_SLOTS:
    void roundTripEveryRecord() {
        roundTrip<TArtikelInfo>(143);
        roundTrip<TArtikelShortInfo>(16);
        roundTrip<TArtikelLongInfo>(23);
        roundTrip<TArtikelInfoExtended>(27);
        roundTrip<TArtikelListe>(12);
        roundTrip<TArtikelnetz>(15);
        roundTrip<TArtikelBestand>(4);
        roundTrip<TArtikelPreis>(13);
        roundTrip<TPreisInfo>(11);
        roundTrip<TFilialeKurz>(12);
        roundTrip<TBestandsInfoFiliale>(19);
        roundTrip<TDebitor>(175);
        roundTrip<TLieferadresse>(27);
        roundTrip<TLieferung>(16);
        roundTrip<TBenutzer>(12);
        roundTrip<TBenutzerOption>(2);
        roundTrip<TVerkaufsKopf>(106);
        roundTrip<TVerkaufsZeile>(127);
        roundTrip<TVKZ_KURZ_QTX>(42);
        roundTrip<TVKZ_KURZ>(33);
        roundTrip<TDebitorLieferKopf>(61);
        roundTrip<TDebitorLieferZeile>(61);
        roundTrip<TDebitorRechnungsKopf>(69);
        roundTrip<TDebitorRechnungsZeile>(84);
        roundTrip<TDebitorGutschriftsKopf>(62);
        roundTrip<TDebitorGutschriftsZeile>(75);
        roundTrip<TRuecksendeArtikel>(20);
        roundTrip<TRuecksendeArtikelKurz>(7);
        roundTrip<TATU_VKZ>(32);
        roundTrip<TVerkaufskladde>(129);
        roundTrip<TFilialeKurz2>(11);
    }

    // Positions (from 1) that the back-end's column lists fix.
    void pinnedPositions_data() {
        QTest::addColumn<qsizetype>("found");
        QTest::addColumn<qsizetype>("position");
        const auto row = [](const char* tag, qsizetype found, qsizetype position) {
            QTest::newRow(tag) << found << position;
        };
        row("TArtikelInfo EINSPEISERCODE", fieldIndex<TArtikelInfo>(QLatin1StringView("EINSPEISERCODE")), 87);
        row("TArtikelInfo ARTI_ID", fieldIndex<TArtikelInfo>(QLatin1StringView("ARTI_ID")), 143);
        row("TArtikelInfo NETZ", fieldIndex<TArtikelInfo>(QLatin1StringView("NETZ")), 117);
        row("TDebitor FILIALE", fieldIndex<TDebitor>(QLatin1StringView("FILIALE")), 72);
        row("TDebitor DEBI_ID", fieldIndex<TDebitor>(QLatin1StringView("DEBI_ID")), 159);
        row("TDebitor AGB", fieldIndex<TDebitor>(QLatin1StringView("AGB")), 175);
        row("TLieferadresse LIAD_ID", fieldIndex<TLieferadresse>(QLatin1StringView("LIAD_ID")), 27);
        row("TLieferung LIEF_ID", fieldIndex<TLieferung>(QLatin1StringView("LIEF_ID")), 16);
        row("TVerkaufsKopf VKK_ID", fieldIndex<TVerkaufsKopf>(QLatin1StringView("VKK_ID")), 106);
        row("TVerkaufsZeile VKZ_VKK_ID", fieldIndex<TVerkaufsZeile>(QLatin1StringView("VKZ_VKK_ID")), 127);
        row("TVKZ_KURZ LIEFERUNGSNR", fieldIndex<TVKZ_KURZ>(QLatin1StringView("LIEFERUNGSNR")), 16);
        row("TDebitorGutschriftsZeile ANZAHL_PER_KOLLI",
            fieldIndex<TDebitorGutschriftsZeile>(QLatin1StringView("ANZAHL_PER_KOLLI")), 74);
        row("TDebitorRechnungsKopf KOTR_CODE",
            fieldIndex<TDebitorRechnungsKopf>(QLatin1StringView("KOTR_CODE")), 69);
        row("TATU_VKZ VKZID", fieldIndex<TATU_VKZ>(QLatin1StringView("VKZID")), 32);
        row("TVerkaufskladde LIEFERADR", fieldIndex<TVerkaufskladde>(QLatin1StringView("LIEFERADR")), 52);
        row("TVerkaufskladde ART", fieldIndex<TVerkaufskladde>(QLatin1StringView("ART")), 56);
        row("TVerkaufskladde BESTELLEN", fieldIndex<TVerkaufskladde>(QLatin1StringView("BESTELLEN")), 105);
        row("TVerkaufskladde VKKL_ID", fieldIndex<TVerkaufskladde>(QLatin1StringView("VKKL_ID")), 118);
        row("TVerkaufskladde EXT_LAGER", fieldIndex<TVerkaufskladde>(QLatin1StringView("EXT_LAGER")), 125);
        row("TFilialeKurz2 LAGERMASKENINDEX",
            fieldIndex<TFilialeKurz2>(QLatin1StringView("LAGERMASKENINDEX")), 6);
    }
    void pinnedPositions() {
        QFETCH(qsizetype, found);
        QFETCH(qsizetype, position);
        QCOMPARE(found + 1, position);
    }

    void leadingFieldsLeaveTheRestEmpty() {
        // Delivery-note lines come with their first 18 fields only.
        const auto full = distinctRecords<TDebitorLieferZeile>(2);
        const auto leading = RecordLayout<TDebitorLieferZeile>::fields().first(18);
        const QStringList lines = RecordCodec::encode(full, leading);
        QCOMPARE(lines.size(), 36);
        const auto decoded = RecordCodec::decode<TDebitorLieferZeile>(lines, 0, 2, 18);
        QCOMPARE(decoded.size(), 2);
        QCOMPARE(decoded.at(1).LFD_NR_DES_AUSGL, full.at(1).LFD_NR_DES_AUSGL);
        QVERIFY(decoded.at(1).LFD_NR_WAR_LIEF_POS.isEmpty());
        QVERIFY(decoded.at(1).DEBLZ_DEBLK_ID.isEmpty());
    }

    void countLine_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("records");
        QTest::newRow("zero count is an empty array") << QStringList{QStringLiteral("0")} << true << 0;
        QTest::newRow("count no integer")
            << QStringList{QStringLiteral("x"), QStringLiteral("a")} << false << 0;
        QTest::newRow("answer too short")
            << (QStringList{QStringLiteral("1")} << QStringList(3)) << false << 0;
        QTest::newRow("identical records stay two")
            << (QStringList{QStringLiteral("2")} << QStringList(8, QStringLiteral("x"))) << true << 2;
    }
    void countLine() {
        QFETCH(QStringList, lines);
        QFETCH(bool, ok);
        QFETCH(int, records);
        TArtikelBestandArray out{TArtikelBestand()};
        QCOMPARE(RecordCodec::decodeCounted<TArtikelBestand>(lines, 0, 4, out), ok);
        QCOMPARE(out.size(), records);
    }

    void hugeCountCannotGrowTheArray() {
        const QStringList lines(10, QStringLiteral("x"));
        QCOMPARE(RecordCodec::decode<TArtikelBestand>(lines, 0, 1'000'000'000, 4).size(), 3);
    }

    void articleKeepsOnlyItsColumns() {
        const TArtikelInfo sent = distinctRecord<TArtikelInfo>(7);
        const auto decoded = AnswerLayouts::decodeArtikelInfo(RecordCodec::encode(TArtikelArray{sent}), 0, 1);
        QCOMPARE(decoded.size(), 1);
        const TArtikelInfo& a = decoded.first();
        QCOMPARE(a.NUMMER, sent.NUMMER);
        QCOMPARE(a.ARTI_ID, sent.ARTI_ID);
        QCOMPARE(a.LIEFERZUTEILUNG_FIL, sent.LIEFERZUTEILUNG_FIL);
        QCOMPARE(a.ALTE_ARTIKELNUMMER, sent.ALTE_ARTIKELNUMMER);
        QVERIFY(a.EK_PREIS_FEST.isEmpty());
        QVERIFY(a.EINSTANDSPREIS.isEmpty());
        QVERIFY(a.BUDGET_BETRAG.isEmpty());
        QVERIFY(a.VERKAUF_EUR.isEmpty());
        int kept = 0;
        for (auto member : RecordLayout<TArtikelInfo>::fields())
            kept += (a.*member).isEmpty() ? 0 : 1;
        QCOMPARE(kept, 60);
    }

    void customerOptionalLines_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("verk");
        QTest::addColumn<bool>("priceFile");
        QTest::newRow("21") << 21 << false << false;
        QTest::newRow("22") << 22 << true << false;
        QTest::newRow("25") << 25 << true << false;
        QTest::newRow("26") << 26 << true << true;
    }
    void customerOptionalLines() {
        QFETCH(int, lines);
        QFETCH(bool, verk);
        QFETCH(bool, priceFile);
        const TDebitor sent = distinctRecord<TDebitor>(1);
        QStringList answer{QStringLiteral("1")};
        answer += AnswerLayouts::encodeDebitor(sent).mid(0, lines);
        const TDebitor d = AnswerLayouts::decodeDebitor(answer, 1);
        QCOMPARE(d.NUMMER, sent.NUMMER);
        QCOMPARE(d.RUECKSTAND, sent.RUECKSTAND);
        QCOMPARE(d.DEBI_LIEF_ID, sent.DEBI_LIEF_ID);
        QCOMPARE(!d.DEBI_VERK_ID.isEmpty(), verk);
        QCOMPARE(!d.PD_ERSTELLEN.isEmpty(), priceFile);
        QCOMPARE(!d.PD_DATEIART.isEmpty(), priceFile);
        QVERIFY(d.KURZNAME.isEmpty());
    }

    void deliveryAddresses_data() {
        QTest::addColumn<QString>("selector");
        QTest::newRow("below level 19") << AnswerLayouts::lieferadressenSelector(18);
        QTest::newRow("level 19") << AnswerLayouts::lieferadressenSelector(19);
    }
    void deliveryAddresses() {
        QFETCH(QString, selector);
        const auto sent = distinctRecords<TLieferadresse>(2);
        TLieferadresseArray decoded;
        QVERIFY(AnswerLayouts::decodeLieferadressen(AnswerLayouts::encodeLieferadressen(sent, selector), 0,
                                                    selector, decoded));
        QCOMPARE(decoded.size(), 2);
        for (const auto member : AnswerLayouts::lieferadresseFields(selector)) {
            if (member)
                QCOMPARE(decoded.at(1).*member, sent.at(1).*member);
        }
        QVERIFY(decoded.at(1).TELEFON.isEmpty());
        QCOMPARE(decoded.at(0).NACHTANLIEF_MOEGLICH,
                 selector == u"0" ? QStringLiteral("0") : sent.at(0).NACHTANLIEF_MOEGLICH);
    }

    void deliveryAddressBlockLength() {
        // 2 addresses in 29 lines: blocks of 14, the last line is ignored.
        QStringList lines{QStringLiteral("2")};
        for (int k = 0; k < 29; ++k)
            lines.append(QString::number(k));
        TLieferadresseArray decoded;
        QVERIFY(AnswerLayouts::decodeLieferadressen(lines, 0, QStringLiteral("0"), decoded));
        QCOMPARE(decoded.size(), 2);
        QCOMPARE(decoded.at(1).KUNDENNR, QStringLiteral("14"));
        QCOMPARE(decoded.at(1).FREI, QStringLiteral("27"));
    }

    void branchesTakeAtMostElevenLines() {
        const auto sent = distinctRecords<TFilialeKurz2>(3);
        TFilialKurzArray2 decoded;
        QVERIFY(AnswerLayouts::decodeFilialen2(AnswerLayouts::encodeFilialen2(sent), 0, decoded));
        QCOMPARE(decoded, sent);
        // Blocks of 9 lines fill the first 9 fields.
        QStringList shortBlocks{QStringLiteral("2")};
        shortBlocks += QStringList(18, QStringLiteral("v"));
        QVERIFY(AnswerLayouts::decodeFilialen2(shortBlocks, 0, decoded));
        QCOMPARE(decoded.size(), 2);
        QCOMPARE(decoded.at(1).PAKETDIENST, QStringLiteral("v"));
        QVERIFY(decoded.at(1).FILI_ID.isEmpty());
        QVERIFY(!AnswerLayouts::decodeFilialen2({QStringLiteral("zwei")}, 0, decoded));
        QVERIFY(decoded.isEmpty());
    }

    void stockRows() {
        TBestandsInfo sent;
        for (int i = 0; i < 3; ++i) {
            TBestandsInfoFiliale row = distinctRecord<TBestandsInfoFiliale>(i);
            row.Kunde.clear();
            row.Alternativ.clear();
            row.BestelltFiliale.clear();
            row.Verfuegbar = QString::number(i == 1 ? -4 : 5 * (i + 1));
            sent.FilialBestand.append(row);
        }
        ManualClock clock;
        Logger logger(clock);
        QSignalSpy logged(&logger, &Logger::memoAppended);
        const QStringList lines = AnswerLayouts::encodeBestandsInfo(sent);
        QCOMPARE(lines.size(), 1 + 3 * 22);
        const TBestandsInfo info = AnswerLayouts::decodeBestandsInfo(lines, &logger);
        QCOMPARE(info.NumFiliale, QStringLiteral("3"));
        QCOMPARE(info.FilialBestand.size(), 3);
        QCOMPARE(info.FilialBestand.at(2).Bestand, sent.FilialBestand.at(2).Bestand);
        QCOMPARE(info.FilialBestand.at(0).Kurzname, sent.FilialBestand.at(0).Kurzname);
        QCOMPARE(info.FilialBestand.at(1).Verfuegbar, QStringLiteral("0"));
        QCOMPARE(info.GesamtVerfuegbar, QStringLiteral("20"));
        QCOMPARE(logged.size(), 1);
        QCOMPARE(logged.first().first().toString(),
                 QStringLiteral("-4 Fehlbestand in ") + sent.FilialBestand.at(1).Code);
        QVERIFY(AnswerLayouts::decodeBestandsInfo(lines.mid(0, 21), nullptr).FilialBestand.isEmpty());
    }

    void articleInfoList() {
        TArtikelInfoListe sent;
        static_cast<TArtikelInfoListeKopf&>(sent) = distinctRecord<TArtikelInfoListeKopf>(1);
        sent.Filialen = distinctRecords<TFilialeKurz>(2);
        sent.ArtikelInfo = distinctRecords<TArtikelInfoExtended>(3);
        sent.ArtikelPreise = distinctRecords<TArtikelPreis>(1);
        sent.Artikelbestand = distinctRecords<TArtikelBestand>(4);
        sent.Netzartikel = {QStringLiteral("N1"), QStringLiteral("N2")};
        sent.NumFilialen = QStringLiteral("2");
        sent.NumArtikel = QStringLiteral("3");
        sent.NumPreise = QStringLiteral("1");
        sent.NumBestand = QStringLiteral("4");
        sent.NumNetzartikel = QStringLiteral("2");
        QStringList lines = AnswerLayouts::encodeArtikelInfoListe(sent);
        TArtikelInfoListe decoded;
        QVERIFY(AnswerLayouts::decodeArtikelInfoListe(lines, 0, decoded));
        QVERIFY(decoded == sent);
        lines.removeLast();
        QVERIFY(!AnswerLayouts::decodeArtikelInfoListe(lines, 0, decoded));
        QVERIFY(decoded.ArtikelInfo.isEmpty());
    }

    void shortFormNamesMatchTheFullForm() {
        // The short form's table must point at the members of the same name.
        const QStringList expected =
            QStringLiteral("BENUTZER LFD_NR KUNDENNR KD_NAME DEBITORNR EINHEIT ARTIKELART ABNEHMERGRUPPE "
                           "ARTIKELNR TEXT TEXT_2 "
                           "BUCH_GR MENGE FILIALE STUECKPREIS NETTOBETRAG ZU_LIEFERN SKONTOFAEHIG MWST_CODE "
                           "MWST_P ZENTRALE "
                           "RABATT_P RABATTBETRAG BRUTTOBETRAG KUNDENFILIALE AUFTRAGSDATUM ALTTEILSTEUER "
                           "BRUTTOPREIS NETTOPREIS PE "
                           "KARTONSTUECK TAUSCHMENGE HERSTELLERCODE DIV_ART_NR LIEFERADR ART "
                           "RABATT_PUNBENUTZT PREIS_EINHEIT TE "
                           "LIEFERANTENNR LIEFERUNGSCODE REFERENZ BESCHAFFUNGSCODE BESCHAFFUNGSKOSTEN TE_FIX "
                           "ISHAENDLER RECHNUNGSNR "
                           "LIEFERSCHEINNR BESTELLEN EMPF_VK_PREIS NL GEAENDERT_AM MAND_ID VKKL_ID "
                           "FEHLERNUMMER FEHLERTEXT "
                           "KUNDENNOTIZ UNSER_ZEICHEN AB_ART KEINEHAENDLERPRUEFUNG EXT_LAGER UNIQUE_IDENT")
                .split(u' ');
        const auto table = VkklCodec::shortFormFields();
        QCOMPARE(qsizetype(table.size()), expected.size());
        const TVerkaufskladde probe = distinctRecord<TVerkaufskladde>(0);
        for (qsizetype k = 0; k < expected.size(); ++k) {
            const qsizetype index = fieldIndex<TVerkaufskladde>(QLatin1StringView(expected.at(k).toLatin1()));
            QVERIFY2(index >= 0, qPrintable(expected.at(k)));
            QCOMPARE(probe.*table[k], probe.*RecordLayout<TVerkaufskladde>::members[index]);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
