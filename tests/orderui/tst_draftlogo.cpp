#include "draftgridfixture.h"
#include "grid/stringgridmodel.h"
#include "order/ui/draftgriddelegate.h"
#include "order/ui/draftgridview.h"
#include "order/ui/drafticons.h"
#include "order/ui/draftlogo.h"

#include <QTest>

namespace {
class OpenDelegate : public DraftGridDelegate {
public:
    using DraftGridDelegate::DraftGridDelegate;
    using DraftGridDelegate::initStyleOption;
};

} // namespace

class TestDraftLogo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void look_data() {
        QTest::addColumn<QString>("logo");
        QTest::addColumn<QString>("externe");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("tenant");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("text");
        const QString none;
        QTest::newRow("not found") << "Artikel nicht gefunden" << none << "20"
                                   << "6"
                                   << "fehler"
                                   << "Suche";
        QTest::newRow("no quantity") << "KEINEMENGE" << none << "20"
                                     << "6"
                                     << "keinemenge"
                                     << "Expressauftrag";
        QTest::newRow("partial") << "TEILMENGE" << none << "20"
                                 << "6"
                                 << "teilmenge"
                                 << "";
        for (const char* word : {"KUNDE", "LKW", "LAGER", "NULLMENGE", "BESTELLT", "CYAN", "FAHRTMORGEN",
                                 "FAHRTSPAET", "BESTELLTLKW"})
            QTest::newRow(word) << QString::fromLatin1(word) << none << "20"
                                << "6" << QString::fromLatin1(word).toLower() << "";
        QTest::newRow("warehouse order") << "Lagerauftrag" << none << "20"
                                         << "6"
                                         << "lagerauftrag"
                                         << "Lagerauftrag";
        QTest::newRow("express") << "Expressauftrag" << none << "20"
                                 << "6"
                                 << "express"
                                 << "Expressauftrag";
        QTest::newRow("backorder notice")
            << "Der Artikel wird bei Bestellung in Rückstand genommen." << none << "20"
            << "6"
            << ""
            << "Der Artikel wird bei Bestellung in Rückstand genommen.";
        QTest::newRow("other word") << "XYZ" << none << "20"
                                    << "6"
                                    << "ruecklieferung"
                                    << "Rücklieferung F01";
        QTest::newRow("outside warehouse") << "ext"
                                           << "Aussenlager Nord"
                                           << "20"
                                           << "4"
                                           << "ruecklieferung"
                                           << "Aussenlager Nord";
        QTest::newRow("outside warehouse NEX") << "ext"
                                               << "Aussenlager Nord"
                                               << "97"
                                               << "4"
                                               << "ruecklieferung"
                                               << "Aussenlager Nord (NEX)";
        QTest::newRow("outside warehouse NEX tenant 6") << "ext"
                                                        << "Aussenlager Nord"
                                                        << "97"
                                                        << "6"
                                                        << "ruecklieferung"
                                                        << "Aussenlager Nord";
        QTest::newRow("being changed") << "..." << none << "20"
                                       << "6"
                                       << ""
                                       << "";
        QTest::newRow("empty") << "" << none << "20"
                               << "6"
                               << ""
                               << "";
    }
    void look() {
        QFETCH(QString, logo);
        QFETCH(QString, externe);
        QFETCH(QString, code);
        QFETCH(QString, tenant);
        QFETCH(QString, icon);
        QFETCH(QString, text);
        StringGrid grid;
        grid.setHeaders(draftHeaders());
        grid.appendRow(draftRow(grid, {{QStringLiteral("Logo"), logo},
                                       {QStringLiteral("Filiale"), QStringLiteral("F01")},
                                       {QStringLiteral("ExterneFiliale"), externe},
                                       {QStringLiteral("VKKL_Lieferungscode"), code}}));
        DraftLogo::Texts texts;
        texts.warehouseOrder = QStringLiteral("Lagerauftrag");
        texts.tenant = tenant;
        const DraftLogo::Look look = DraftLogo::look(grid, 1, texts);
        QCOMPARE(look.icon, icon);
        QCOMPARE(look.text, text);
        if (!icon.isEmpty())
            QVERIFY2(DraftIcons::exists(icon), qPrintable(icon));
    }

    void iconsRender() {
        DraftIcons icons;
        const QPixmap pm = icons.pixmap(QStringLiteral("papierkorb"), 16);
        QVERIFY(!pm.isNull());
        QCOMPARE(pm.size(), QSize(16, 16));
        QVERIFY(pm.toImage().pixelColor(8, 10).alpha() > 0);
        QVERIFY(icons.pixmap(QStringLiteral("unknown"), 16).isNull());
    }

    void cellLook_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("green");
        QTest::newRow("enterable") << "Menge"
                                   << "3" << true << false << "3" << false;
        QTest::newRow("shown only") << "Bezeichnung"
                                    << "Bremsscheibe" << false << false << "Bremsscheibe" << false;
        QTest::newRow("waste-bin") << "Löschen"
                                   << "" << false << true << "" << false;
        QTest::newRow("state icon") << "Logo"
                                    << "BESTELLT" << false << true << "" << false;
        QTest::newRow("not found") << "Logo"
                                   << "Artikel nicht gefunden" << false << true << "Suche" << false;
        QTest::newRow("graduated prices") << "Staffelpreis"
                                          << "J" << false << false << "J" << true;
        QTest::newRow("no graduated prices") << "Staffelpreis"
                                             << "N" << false << false << "N" << false;
    }
    void cellLook() {
        QFETCH(QString, header);
        QFETCH(QString, value);
        QFETCH(bool, bold);
        QFETCH(bool, icon);
        QFETCH(QString, text);
        QFETCH(bool, green);
        DraftPageHarness h(1);
        h.grid.setValue(header, 1, value);
        OpenDelegate delegate(h.grid, h.actions);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 100, 20);
        delegate.initStyleOption(&option, h.view().gridModel().indexOf(h.column(header), 1));
        QCOMPARE(option.font.bold(), bold);
        QCOMPARE(option.font.italic(), !bold);
        QCOMPARE(!option.icon.isNull(), icon);
        QCOMPARE(option.text, text);
        QCOMPARE(option.palette.color(QPalette::Text) == QColor(Qt::darkGreen), green);
    }
};

QTEST_MAIN(TestDraftLogo)
#include "tst_draftlogo.moc"
