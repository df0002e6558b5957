#include "app/endingroutines.h"
#include "app/pagecontrolrules.h"
#include "articles/netztyp.h"
#include "model/servermessage.h"
#include "model/uitexts.h"
#include "platform/logger.h"
#include "support/fakes.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

// A text that a language file replaces reaches the user from every layer: the
// call site reads the table when it shows the message, not a copy of it.
class TestUiTextRouting : public QObject {
    Q_OBJECT

    struct Site {
        Txt::Key key;
        QString replacement;
        // Runs the call site through its public interface; the shown text.
        std::function<QString()> show;
        QString german;
        QString replaced;
    };

    static QList<Site> sites() {
        return {
            {Txt::Rueck_Filialfehler2, u"Branch back orders are not allowed."_s,
             [] {
                 return ServerMessage::normalise(u"Filialrückstände sind nicht erlaubt (F14)"_s,
                                                 ModelContext());
             },
             u"Filialrückstände sind nicht erlaubt."_s, u"Branch back orders are not allowed."_s},
            {Txt::NetzTypInfo,
             u"Replaced;Superseded;Interchangeable;Cross-sell;Comparison;NC.;Similar;PN.;Unknown"_s,
             [] { return Netztyp::name(4); }, u"Mitverkauf"_s, u"Cross-sell"_s},
            {Txt::ArtikelimWarenkorb, u"The basket still holds articles."_s,
             [] {
                 PageControlRules::Callbacks c;
                 c.basketHasItems = [](PageControlRules::Page) { return true; };
                 return PageControlRules(c).changing(PageControlRules::Page::Ruecklieferung).message;
             },
             u"Es sind noch Artikel im Warenkorb.\r\nBitte Artikel löschen oder Auftrag mit F10 absenden."_s,
             u"The basket still holds articles."_s},
            {Txt::AnwendungEnde, u"Application closes."_s,
             [] {
                 ManualClock clock;
                 Logger log(clock);
                 ScriptedDialogs dialogs;
                 EndingRoutines ending(log, dialogs);
                 ending.myterminate(u"test"_s, u"Verbindung verloren"_s);
                 return dialogs.shown.isEmpty() ? QString() : dialogs.shown.first().title;
             },
             u"Anwendung wird beendet."_s, u"Application closes."_s},
        };
    }

private Q_SLOTS:
    void cleanup() { Txt::resetAll(); }

    void replacedTextIsShown_data() {
        QTest::addColumn<int>("site");
        const QList<Site> all = sites();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(qPrintable(Txt::keyName(all.at(i).key))) << i;
    }
    void replacedTextIsShown() {
        QFETCH(int, site);
        const Site s = sites().at(site);
        QCOMPARE(s.show(), s.german);
        Txt::set(s.key, s.replacement);
        QCOMPARE(s.show(), s.replaced);
        Txt::resetAll();
        QCOMPARE(s.show(), s.german);
    }
};

QTEST_GUILESS_MAIN(TestUiTextRouting)
#include "tst_uitextrouting.moc"
