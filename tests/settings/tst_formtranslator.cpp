#include "settings/languagefile.h"
#include "settings/ui/formtranslator.h"
#include "settings/ui/radiogroup.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// A window of every kind of control a language file reaches.
struct Form : QDialog {
    QTabWidget* tabs = new QTabWidget(this);
    QWidget* page = new QWidget;
    QPushButton* button = new QPushButton(u"Ok"_s, page);
    QLabel* label = new QLabel(u"Kunde"_s, page);
    QLabel* own = new QLabel(u"Kundennummer: 10000"_s, page);
    RadioGroup* group = new RadioGroup(u"rgPreise"_s, u"Preise"_s, {u"nie"_s, u"immer"_s}, page);
    QComboBox* combo = new QComboBox(page);
    QPlainTextEdit* memo = new QPlainTextEdit(page);
    QMenuBar* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(u"&Datei"_s);
    QAction* action = menu->addAction(u"&Beenden"_s);

    Form() {
        setObjectName(u"TestForm"_s);
        setWindowTitle(u"Test"_s);
        bar->setObjectName(u"mmHaupt"_s);
        page->setObjectName(u"tsSeite"_s);
        tabs->addTab(page, u"Seite"_s);
        button->setObjectName(u"btOk"_s);
        label->setObjectName(u"lbKunde"_s);
        own->setObjectName(u"lbEigen"_s);
        own->setProperty("tag", 99);
        combo->setObjectName(u"cbArt"_s);
        combo->addItems({u"eins"_s, u"zwei"_s});
        memo->setObjectName(u"meText"_s);
        menu->setObjectName(u"miDatei"_s);
        action->setObjectName(u"miBeenden"_s);
        menu->addSeparator();
        auto* l = new QVBoxLayout(page);
        for (QWidget* w : std::initializer_list<QWidget*>{button, label, own, group, combo, memo})
            l->addWidget(w);
    }
};

class TestFormTranslator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translatesByName() {
        Form f;
        const LanguageFile file = LanguageFile::fromText(
            u"[TestForm]\nTestForm=Proef\ntsSeite=Pagina\nbtOk=Goed\nbtOkHint=Opslaan\nlbKunde=Klant§~"
            u"nummer\n"
            "lbEigen=Klantnummer\nrgPreise=Prijzen\nrgPreiseItems=nooit§~altijd\ncbArtItems=een§~twee\n"
            "meTextLines=regel 1§~regel 2\nmiDatei=&Bestand\nmiBeenden=&Afsluiten\nmiBeendenHint=Stoppen\n"_s);
        QVERIFY(FormTranslator::translate(&f, file));
        QCOMPARE(f.windowTitle(), u"Proef"_s);
        QCOMPARE(f.tabs->tabText(0), u"Pagina"_s);
        QCOMPARE(f.button->text(), u"Goed"_s);
        QCOMPARE(f.button->toolTip(), u"Opslaan"_s);
        QCOMPARE(f.label->text(), u"Klant\nnummer"_s);
        // Tag 99: the program's own text stays.
        QCOMPARE(f.own->text(), u"Kundennummer: 10000"_s);
        QCOMPARE(f.group->title(), u"Prijzen"_s);
        QCOMPARE(f.group->items(), (QStringList{u"nooit"_s, u"altijd"_s}));
        QCOMPARE(f.combo->itemText(1), u"twee"_s);
        QCOMPARE(f.memo->toPlainText(), u"regel 1\nregel 2"_s);
        QCOMPARE(f.menu->title(), u"&Bestand"_s);
        QCOMPARE(f.action->text(), u"&Afsluiten"_s);
        QCOMPARE(f.action->statusTip(), u"Stoppen"_s);
    }

    // Missing keys and sections leave the window as designed.
    void missingKeys() {
        Form f;
        QVERIFY(!FormTranslator::translate(&f, LanguageFile::fromText(u"[Andere]\nbtOk=Goed\n"_s)));
        QVERIFY(FormTranslator::translate(&f, LanguageFile::fromText(u"[TestForm]\nbtOk=Goed\n"_s)));
        QCOMPARE(f.windowTitle(), u"Test"_s);
        QCOMPARE(f.label->text(), u"Kunde"_s);
        QCOMPARE(f.group->items(), (QStringList{u"nie"_s, u"immer"_s}));
    }

    void unreachableControls() {
        Form f;
        QVERIFY(FormTranslator::unreachable(&f).isEmpty());
        auto* unnamed = new QLabel(u"ohne Namen"_s, f.page);
        auto* twin = new QPushButton(u"Zwilling"_s, f.page);
        twin->setObjectName(u"btOk"_s);
        const QStringList list = FormTranslator::unreachable(&f);
        QCOMPARE(list.size(), 3);
        QVERIFY(list.at(0).contains(u"\"Ok\""_s) || list.join(u'|').contains(u"shares its name"_s));
        QVERIFY(list.join(u'|').contains(u"\"ohne Namen\" in tsSeite has no name"_s));
        unnamed->setObjectName(u"lbOhne"_s);
        twin->setObjectName(u"btZwilling"_s);
        QVERIFY(FormTranslator::unreachable(&f).isEmpty());
    }
};

QTEST_MAIN(TestFormTranslator)
#include "tst_formtranslator.moc"
