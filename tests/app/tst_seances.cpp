// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the lessons in the window: a situation saved and opened again is
// the same on screen, a bad file changes nothing, and nothing recorded is
// replaced without a question.
#include "app/deroules.h"
#include "app/seances.h"
#include "app/window_services/canvas.h"
#include "app/window_services/glyphbutton.h"
#include "app/window_services/imagecontrol.h"
#include "countingbeeper.h"
#include "instant.h"
#include "recordings/axescourbe.h"
#include "scriptedmessages.h"
#include "tests/systems/cataloguereference.h"
#include "tests/systems/saisiesysteme.h"

#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};
};

// A situation of that system with everything a lesson keeps: recordings on
// every strip it has and the curve, a reference, an experiment, the value
// moved, another speed and the sound on.
void prepare(TForm1 &form, const QString &systeme)
{
    tapeSysteme(form, systeme);
    form.ButtonMarche->click();
    for (GlyphButton *bouton : {form.SpeedButtonEnregSensitif, form.SpeedButtonEnregStimulateur,
                                form.SpeedButtonEnregInhibiteur, form.SpeedButtonCourbe}) {
        if (!bouton->isHidden())
            bouton->click();
    }
    form.SpeedButtonSon->click();
    form.TrackBarVitesse->setValue(9);
    form.ScrollBarValeurReglee->setValue(form.ScrollBarValeurReglee->minimum());
    for (int i = 0; i < 120; ++i)
        unInstant(form);
    form.GarderReference();
    form.actionExperience(Experience::CentreDetruit)->trigger();
    form.ScrollBarValeurReglee->setValue(form.ScrollBarValeurReglee->maximum());
    for (int i = 0; i < 40; ++i)
        unInstant(form);
}

// Field by field, so that a failure names the one lost.
void compare(const Situation &lue, const Situation &attendue)
{
    QCOMPARE(lue.systeme, attendue.systeme);
    QCOMPARE(lue.valeurConsigne, attendue.valeurConsigne);
    QCOMPARE(lue.valeurReglee, attendue.valeurReglee);
    QCOMPARE(lue.vitesse, attendue.vitesse);
    QCOMPARE(lue.son, attendue.son);
    QVERIFY(lue.experiences == attendue.experiences);
    QCOMPARE(lue.enregistrementsAffiches, attendue.enregistrementsAffiches);
    QCOMPARE(lue.colonne, attendue.colonne);
    QCOMPARE(lue.vitesseModifiee, attendue.vitesseModifiee);
    QCOMPARE(lue.releve.size(), attendue.releve.size());
    QVERIFY(lue.releve == attendue.releve);
    for (std::size_t i = 0; i < lue.bandes.size(); ++i)
        QCOMPARE(lue.bandes[i], attendue.bandes[i]);
    QVERIFY(lue.niveauxTraces == attendue.niveauxTraces);
    QCOMPARE(lue.reference, attendue.reference);
    QCOMPARE(lue.situationReference, attendue.situationReference);
}

} // namespace

class TestSeances : public QObject
{
    Q_OBJECT

private slots:
    void savedThenOpenedIsTheSame_data();
    void savedThenOpenedIsTheSame();
    void badFileChangesNothing();
    void inAWebPageByDownloadAndUpload();
    void recordingsReplacedOnlyAfterAQuestion();
    void aChangedLessonIsNotLostWithoutAQuestion_data();
    void aChangedLessonIsNotLostWithoutAQuestion();
    void dropOpensOneLessonFile_data();
    void dropOpensOneLessonFile();
    void teachersExamples_data();
    void teachersExamples();
    void decimalsInTheUnitEverywhere();

private:
    QTemporaryDir m_dossier;
};

void TestSeances::savedThenOpenedIsTheSame_data()
{
    QTest::addColumn<QString>("systeme");
    for (const SystemeReference &s : systemesReference)
        QTest::addRow("%s", s.nom) << QString::fromUtf8(s.nom);
}

// Every field kept: the values, the strips' and the curve's pixels (the
// curve drawn from the values' rows), the reference; the lesson opens stopped, named in the title,
// and "Marche" goes on from its column.
void TestSeances::savedThenOpenedIsTheSame()
{
    QFETCH(QString, systeme);
    Fenetre a;
    prepare(a.form, systeme);
    const QString chemin = m_dossier.filePath(QStringLiteral("lecon.regulation"));
    QFile::remove(chemin);
    a.messages.fileNames << chemin;
    a.form.seances()->Enregistrer();
    QVERIFY(QFileInfo::exists(chemin));
    QCOMPARE(a.form.windowTitle(), QStringLiteral("lecon — Systèmes de régulation"));
    // The curve as a lesson kept on another scale pictured it (blank here):
    // it is drawn again from the values.
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadWrite));
    QJsonObject lecon = QJsonDocument::fromJson(fichier.readAll()).object();
    QJsonObject enregistrements = lecon[QStringLiteral("enregistrements")].toObject();
    QJsonObject images = enregistrements[QStringLiteral("bandes")].toObject();
    QImage blanche(a.form.EnregCourbe->size(), QImage::Format_RGB32);
    blanche.fill(Qt::white);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    blanche.save(&png, "PNG");
    images[QStringLiteral("courbe")] = QString::fromLatin1(png.data().toBase64());
    enregistrements[QStringLiteral("bandes")] = images;
    lecon[QStringLiteral("enregistrements")] = enregistrements;
    fichier.resize(0);
    fichier.write(QJsonDocument(lecon).toJson());
    fichier.close();

    Fenetre b;
    const bool ouverte = b.form.seances()->ouvre(chemin);
    QVERIFY2(ouverte,
             qPrintable(b.messages.asked.isEmpty() ? QString() : b.messages.asked.last().text));
    QVERIFY(b.messages.asked.isEmpty());
    compare(b.form.seances()->situation(), a.form.seances()->situation());
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(b.form.ComboBoxSysteme->currentText(), systeme);
    QCOMPARE(b.form.EnregCourbe->image(), a.form.EnregCourbe->image());
    QCOMPARE(b.form.StatusBar1->currentMessage(), a.form.StatusBar1->currentMessage());
    QCOMPARE(b.form.GroupBoxCourbe->isHidden(), a.form.GroupBoxCourbe->isHidden());
    QCOMPARE(b.form.windowTitle(), QStringLiteral("lecon — Systèmes de régulation"));
    QVERIFY(!b.form.etat().MecanismeEnMarche);

    const int colonne = b.form.etat().PositionEnreg;
    b.form.ButtonMarche->click();
    for (int i = 0; i < 5; ++i)
        unInstant(b.form);
    QCOMPARE(b.form.etat().PositionEnreg, colonne + 5);
    QCOMPARE(b.form.situation().releve().lignes().size(),
             a.form.situation().releve().lignes().size() + 5);
}

// Not a lesson, or not a file: a warning names it and why, and the screen
// stays as it was.
void TestSeances::badFileChangesNothing()
{
    Fenetre f;
    prepare(f.form, QStringLiteral("Homéothermie"));
    f.form.ButtonMarche->click();
    const Situation avant = f.form.seances()->situation();
    const QString mauvais = m_dossier.filePath(QStringLiteral("mauvais.regulation"));
    QFile fichier(mauvais);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(R"({"format": "systemes-regulation/seance", "version": 1,
                     "systeme": "Homéothermie", "valeurReglee": 99})");
    fichier.close();
    for (const QString &chemin : {mauvais, m_dossier.path()}) {
        f.messages.asked.clear();
        QVERIFY(!f.form.seances()->ouvre(chemin));
        QCOMPARE(f.messages.asked.size(), 1);
        QVERIFY2(f.messages.asked[0].text.contains(QFileInfo(chemin).fileName()),
                 qPrintable(f.messages.asked[0].text));
        QVERIFY(f.form.seances()->situation() == avant);
    }
    QVERIFY(f.messages.asked[0].text.contains(QStringLiteral("dossier")));
}

// In a web page saving is a download and opening an upload: the same lesson
// travels, no file dialog opens, and a bad upload is named in the warning.
void TestSeances::inAWebPageByDownloadAndUpload()
{
    Fenetre a;
    a.messages.asWebPage = true;
    prepare(a.form, QStringLiteral("Homéothermie"));
    a.form.seances()->Enregistrer();
    a.form.EnregistrerValeurs();
    QCOMPARE(a.messages.downloads.size(), 2);
    QCOMPARE(a.messages.downloads[0].nom, QStringLiteral("seance.regulation"));
    QCOMPARE(a.messages.downloads[1].nom, QStringLiteral("valeurs.csv"));
    QVERIFY(a.messages.suggestions.isEmpty());
    QCOMPARE(a.form.windowTitle(), QStringLiteral("seance — Systèmes de régulation"));

    Fenetre b;
    b.messages.asWebPage = true;
    b.messages.uploads << ScriptedMessages::Fichier{QStringLiteral("lecon.regulation"),
                                                    a.messages.downloads[0].contenu};
    b.form.seances()->Ouvrir();
    QVERIFY(b.messages.asked.isEmpty());
    compare(b.form.seances()->situation(), a.form.seances()->situation());
    QCOMPARE(b.form.windowTitle(), QStringLiteral("lecon — Systèmes de régulation"));

    const Situation avant = b.form.seances()->situation();
    b.messages.uploads << ScriptedMessages::Fichier{QStringLiteral("vide.regulation"), "{}"};
    b.form.seances()->Ouvrir();
    QCOMPARE(b.messages.asked.size(), 1);
    QVERIFY2(b.messages.asked[0].text.contains(QStringLiteral("« vide.regulation »")),
             qPrintable(b.messages.asked[0].text));
    QVERIFY(b.form.seances()->situation() == avant);
    QVERIFY(b.messages.suggestions.isEmpty());
}

void TestSeances::recordingsReplacedOnlyAfterAQuestion()
{
    Fenetre a;
    prepare(a.form, QStringLiteral("Glycémie directe"));
    const QString chemin = m_dossier.filePath(QStringLiteral("glycemie.regulation"));
    QFile::remove(chemin);
    a.messages.fileNames << chemin;
    a.form.seances()->Enregistrer();

    Fenetre b;
    prepare(b.form, QStringLiteral("Homéothermie"));
    const Situation avant = b.form.seances()->situation();
    b.messages.answers << MessageAnswer::Non;
    QVERIFY(!b.form.seances()->ouvre(chemin));
    QCOMPARE(b.messages.asked.size(), 1);
    QVERIFY(b.form.seances()->situation() == avant);
    b.messages.answers << MessageAnswer::Oui;
    QVERIFY(b.form.seances()->ouvre(chemin));
    QCOMPARE(b.form.ComboBoxSysteme->currentText(), QStringLiteral("Glycémie directe"));
}

void TestSeances::aChangedLessonIsNotLostWithoutAQuestion_data()
{
    QTest::addColumn<QString>("depart"); // "ouverte", "enregistree" or "aucune"
    QTest::addColumn<bool>("changee");
    QTest::addColumn<QString>("sortie"); // "quitter", "fermer" or "ouvrir"
    QTest::addColumn<QList<MessageAnswer>>("reponses");
    QTest::addColumn<int>("questions");    // asked in all
    QTest::addColumn<bool>("laissee");     // the window closed, or the other lesson on screen
    QTest::addColumn<bool>("enregistree"); // the changed lesson written
    using R = QList<MessageAnswer>;
    const auto O = MessageAnswer::Oui;
    const auto N = MessageAnswer::Non;
    const auto A = MessageAnswer::Annuler;
    QTest::addRow("unchanged, Quitter")
        << "ouverte" << false << "quitter" << R{O} << 1 << true << false;
    QTest::addRow("no lesson, Quitter")
        << "aucune" << true << "quitter" << R{O} << 1 << true << false;
    QTest::addRow("changed, Quitter, Non")
        << "ouverte" << true << "quitter" << R{O, N} << 2 << true << false;
    QTest::addRow("changed, Quitter, Oui")
        << "ouverte" << true << "quitter" << R{O, O} << 2 << true << true;
    QTest::addRow("changed, Quitter, Annuler")
        << "enregistree" << true << "quitter" << R{O, A} << 2 << false << false;
    QTest::addRow("changed, close box, Oui but the save cancelled")
        << "enregistree" << true << "fermer" << R{O} << 1 << false << false;
    QTest::addRow("changed, close box, Non")
        << "enregistree" << true << "fermer" << R{N} << 1 << true << false;
    QTest::addRow("changed, another lesson, Annuler")
        << "ouverte" << true << "ouvrir" << R{A} << 1 << false << false;
    QTest::addRow("changed, another lesson, Oui")
        << "ouverte" << true << "ouvrir" << R{O} << 1 << true << true;
    QTest::addRow("unchanged, another lesson")
        << "ouverte" << false << "ouvrir" << R{} << 0 << true << false;
}

// A lesson opened or saved, then changed, is saved, left or kept as the
// pupil answers; nothing is asked of a lesson unchanged, or of no lesson.
void TestSeances::aChangedLessonIsNotLostWithoutAQuestion()
{
    QFETCH(QString, depart);
    QFETCH(bool, changee);
    QFETCH(QString, sortie);
    QFETCH(QList<MessageAnswer>, reponses);
    QFETCH(int, questions);
    QFETCH(bool, laissee);
    QFETCH(bool, enregistree);
    const QString lecon = m_dossier.filePath(QStringLiteral("lecon.regulation"));
    const QString autre = m_dossier.filePath(QStringLiteral("autre.regulation"));
    for (const QString &chemin : {lecon, autre}) {
        QFile::remove(chemin);
        Fenetre a;
        tapeSysteme(a.form, chemin == lecon ? QStringLiteral("Homéothermie")
                                            : QStringLiteral("Glycémie directe"));
        a.messages.fileNames << chemin;
        a.form.seances()->Enregistrer();
    }
    const QByteArray ecrite = [&lecon] {
        QFile f(lecon);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    Fenetre f;
    f.form.show();
    if (depart == QLatin1String("ouverte")) {
        QVERIFY(f.form.seances()->ouvre(lecon));
    } else if (depart == QLatin1String("enregistree")) {
        tapeSysteme(f.form, QStringLiteral("Homéothermie"));
        f.messages.fileNames << lecon;
        f.messages.answers << MessageAnswer::Oui; // it exists: replaced
        f.form.seances()->Enregistrer();
        f.messages.asked.clear();
    }
    if (changee)
        f.form.ScrollBarValeurReglee->setValue(30);
    QCOMPARE(f.form.seances()->modifiee(), changee && depart != QLatin1String("aucune"));
    // Saving it again under its own name replaces the file after its question.
    if (enregistree)
        f.messages.fileNames << lecon;
    for (MessageAnswer r : reponses)
        f.messages.answers << r;
    if (enregistree)
        f.messages.answers << MessageAnswer::Oui;

    if (sortie == QLatin1String("quitter"))
        f.form.ButtonQuitter->click();
    else if (sortie == QLatin1String("fermer"))
        f.form.close();
    else
        f.form.seances()->ouvre(autre);

    QCOMPARE(f.messages.asked.size(), questions + (enregistree ? 1 : 0));
    if (questions > 0 && changee && depart != QLatin1String("aucune")) {
        const auto &question = f.messages.asked[sortie == QLatin1String("quitter") ? 1 : 0];
        QCOMPARE(question.text, QStringLiteral("La séance « lecon » a changé. L'enregistrer ?"));
        QCOMPARE(question.buttons, MessageButtons::OuiNonAnnuler);
    }
    if (sortie == QLatin1String("ouvrir"))
        QCOMPARE(f.form.ComboBoxSysteme->currentText() == QStringLiteral("Glycémie directe"),
                 laissee);
    else
        QCOMPARE(f.form.isVisible(), !laissee);
    QFile fichier(lecon);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll() != ecrite, enregistree);
    // Kept: the lesson still changed.
    if (!laissee)
        QVERIFY(f.form.seances()->modifiee());
}

void TestSeances::dropOpensOneLessonFile_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("ouverte");
    const QString lecon =
        QUrl::fromLocalFile(m_dossier.filePath(QStringLiteral("depot.regulation"))).toString();
    QTest::addRow("a lesson file") << QStringList{lecon} << QString() << true;
    QTest::addRow("its suffix in capitals")
        << QStringList{QUrl::fromLocalFile(m_dossier.filePath(QStringLiteral("DEPOT.REGULATION")))
                           .toString()}
        << QString() << true;
    QTest::addRow("text from a field") << QStringList{} << QStringLiteral("38") << false;
    QTest::addRow("two lesson files") << QStringList{lecon, lecon} << QString() << false;
    QTest::addRow("a file of another kind")
        << QStringList{QUrl::fromLocalFile(m_dossier.filePath(QStringLiteral("depot.csv")))
                           .toString()}
        << QString() << false;
    QTest::addRow("a lesson on the web")
        << QStringList{QStringLiteral("https://example.org/depot.regulation")} << QString()
        << false;
}

// Whatever element the pointer is over, the drop is the window's: no element
// takes one of its own, and the window opens a lesson file and nothing else.
void TestSeances::dropOpensOneLessonFile()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, texte);
    QFETCH(bool, ouverte);
    Fenetre a;
    tapeSysteme(a.form, QStringLiteral("Homéothermie"));
    for (const QString nom :
         {QStringLiteral("depot.regulation"), QStringLiteral("DEPOT.REGULATION")}) {
        QFile::remove(m_dossier.filePath(nom));
        a.messages.fileNames << m_dossier.filePath(nom);
        a.form.seances()->Enregistrer();
    }

    Fenetre f;
    const QString systemeAvant = f.form.ComboBoxSysteme->currentText();
    for (const QWidget *element : f.form.findChildren<QWidget *>())
        QVERIFY2(!element->acceptDrops(), qPrintable(element->objectName()));
    QMimeData donnees;
    QList<QUrl> liens;
    for (const QString &url : urls)
        liens << QUrl(url);
    if (!liens.isEmpty())
        donnees.setUrls(liens);
    if (!texte.isEmpty())
        donnees.setText(texte);
    const QPoint ou = f.form.EditValeurReglee->geometry().center();
    QDragEnterEvent entree(ou, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.form, &entree);
    QCOMPARE(entree.isAccepted(), ouverte);
    QDropEvent depot(ou, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.form, &depot);
    QCOMPARE(depot.isAccepted(), ouverte);
    QCoreApplication::processEvents();
    QCOMPARE(f.form.ComboBoxSysteme->currentText(),
             ouverte ? QStringLiteral("Homéothermie") : systemeAvant);
    QCOMPARE(f.form.windowTitle().contains(QLatin1String("depot"), Qt::CaseInsensitive), ouverte);
    QVERIFY(f.messages.asked.isEmpty());
}

void TestSeances::teachersExamples_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<int>("consigne");
    QTest::addColumn<int>("depart");
    QTest::addColumn<bool>("insulineBloquee");
    QTest::addColumn<bool>("reference");
    QTest::addColumn<int>("arrivee"); // where "Marche" takes the value
    QTest::addColumn<QString>("question");
    // Insulin no longer released: a high glycaemia stays high, beside the
    // normal return kept as the reference.
    QTest::addRow("type 1 diabetes")
        << "diabete-type-1"
        << "Glycémie directe" << 1000 << 2000 << true << true << 2000 << "comparer";
    // A haemorrhage with the sinus and aortic nerves cut: the centre, told
    // nothing, drives the pressure up to its maximum.
    QTest::addRow("haemorrhage") << "hemorragie"
                                 << "Pression artérielle (Activité cardiaque)" << 120 << 120
                                 << false << true << 190 << "Pourquoi la";
    // The set point raised to 39 °C while the body is at 37 °C: the
    // temperature climbs to the new set point.
    QTest::addRow("fever") << "fievre"
                           << "Homéothermie" << 39 << 37 << false << false << 39
                           << "effecteur agit";
    // A teacher's own system the lesson brings: a low calcaemia climbs back.
    QTest::addRow("calcaemia") << "calcemie"
                               << "Calcémie" << 95 << 70 << false << false << 95
                               << "Quelle glande répond";
    // One in grams a litre, with two decimals: 1,60 after a meal, back to
    // 1,00 (in hundredths on the bars).
    QTest::addRow("glycaemia in g.L-1")
        << "glycemie-g-par-litre"
        << "Glycémie (g.L-1)" << 100 << 160 << false << false << 100 << "Quelle hormone";
}

// The lessons shipped for teachers open, show what their description says
// and, once started, behave as the activity expects.
void TestSeances::teachersExamples()
{
    QFETCH(QString, fichier);
    QFETCH(QString, systeme);
    QFETCH(int, consigne);
    QFETCH(int, depart);
    QFETCH(bool, insulineBloquee);
    QFETCH(bool, reference);
    QFETCH(int, arrivee);
    QFETCH(QString, question);
    Fenetre f;
    QVERIFY(f.form.seances()->ouvre(
        QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../docs/seances/%1.regulation").arg(fichier)));
    QCOMPARE(f.form.ComboBoxSysteme->currentText(), systeme);
    QCOMPARE(f.form.ScrollBarValeurConsigne->value(), consigne);
    QCOMPARE(f.form.ScrollBarValeurReglee->value(), depart);
    QCOMPARE(f.form.situation().experiences().contient(Experience::VoieInhibitriceCoupee),
             insulineBloquee);
    QCOMPARE(f.form.situation().experiences().contient(Experience::CentreDetruit), false);
    QCOMPARE(!f.form.situation().reference().isEmpty(), reference);
    if (reference)
        QCOMPARE(f.form.situation().situationReference(), QStringLiteral("boucle intacte"));
    QVERIFY(f.form.MemoProtocole->toPlainText().contains(question));
    const QString &consignes = f.form.situation().consignesActivite();
    // Written as French is: quotation marks « », a non-breaking space before
    // a colon, a semicolon, a question or an exclamation mark.
    static const QRegularExpression typographie(
        QStringLiteral("[\"“”]| [:;?!]|«[^\\x{00a0}]|[^\\x{00a0}]»"));
    QVERIFY2(!consignes.contains(typographie), qPrintable(consignes));
    QCOMPARE(f.form.windowTitle(), fichier + QStringLiteral(" — Systèmes de régulation"));
    // Every name of the scheme shown whole (a teacher's too long is shortened).
    const ConfigurationSysteme &decrit = f.form.situation().systeme();
    QCOMPARE(f.form.LabelCapteur->text(), decrit.TexteCapteur);
    QCOMPARE(f.form.LabelCentreIntegrateur->text(), decrit.TexteCentreIntegrateur);
    QCOMPARE(f.form.LabelVoieStimulatrice->text(), decrit.TexteVoieStimulatrice);
    QCOMPARE(f.form.LabelVoieInhibitrice->text(), decrit.TexteVoieInhibitrice);
    QCOMPARE(f.form.LabelEffecteurStimulateur->text(), decrit.TexteEffecteurStimulateur);
    QCOMPARE(f.form.LabelEffecteurInhibiteur->text(), decrit.TexteEffecteurInhibiteur);

    f.form.ButtonMarche->click();
    for (int i = 0; i < 300; ++i)
        unInstant(f.form);
    QVERIFY2(qAbs(f.form.ScrollBarValeurReglee->value() - arrivee) <=
                 f.form.ScrollBarValeurReglee->pageStep(),
             qPrintable(QString::number(f.form.ScrollBarValeurReglee->value())));

    // A sequence's reference is its replay on the intact loop: replayed
    // again, it is the same.
    if (const auto deroule = f.form.situation().deroule()) {
        const QMap<int, int> gardee = f.form.situation().reference();
        f.form.deroules().RejouerEnReference();
        for (int i = 0; i < deroule->fin; ++i)
            emit f.form.TimerCapteur->timeout();
        QVERIFY(!f.form.deroules().rejoue());
        QCOMPARE(f.form.situation().reference(), gardee);
    }

    // Another system brings the standard instructions and title back.
    tapeSysteme(f.form, QStringLiteral("Homéothermie") == systeme
                            ? QStringLiteral("Glycémie directe")
                            : QStringLiteral("Homéothermie"));
    QVERIFY(!f.form.MemoProtocole->toPlainText().contains(question));
    QCOMPARE(f.form.windowTitle(), QStringLiteral("Systèmes de régulation"));
}

// With two decimals, every value the pupil meets is in the unit with a
// decimal comma (the fields, the bar for a screen reader, the curve's
// graduations, the exported values), and the lesson writes it in the unit;
// the example gives no hormonal levels, and the lesson saved from it opens.
void TestSeances::decimalsInTheUnitEverywhere()
{
    const QString exemple =
        QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../docs/seances/glycemie-g-par-litre.regulation");
    Fenetre a;
    QVERIFY(a.form.seances()->ouvre(exemple));
    // The teacher's system the lesson brought can be edited at once.
    const QList<QAction *> actions = a.form.findChildren<QAction *>();
    QVERIFY(std::any_of(actions.cbegin(), actions.cend(), [](const QAction *action) {
        return action->text() == QStringLiteral("Modifier le système…") && action->isEnabled();
    }));
    QCOMPARE(a.form.EditValeurReglee->text(), QStringLiteral("1,60"));
    QCOMPARE(a.form.EditValeurConsigne->text(), QStringLiteral("1,00"));
    QAccessibleInterface *barre =
        QAccessible::queryAccessibleInterface(a.form.ScrollBarValeurReglee);
    QCOMPARE(barre->text(QAccessible::Value), QStringLiteral("1,60 g.L-1"));
    // The bar's small step is a hundredth; a value typed with a comma or a
    // point is read in the unit.
    a.form.ScrollBarValeurReglee->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(a.form.EditValeurReglee->text(), QStringLiteral("1,59"));
    for (const auto &[texte, pas] : {std::pair{"1,38", 138}, std::pair{"1.4", 140}}) {
        a.form.EditValeurReglee->setText(QString::fromLatin1(texte));
        QCOMPARE(a.form.ScrollBarValeurReglee->value(), pas);
    }
    QStringList graduations;
    for (const AxesCourbe::Libelle &l :
         a.form.GroupBoxCourbe->findChild<AxesCourbe *>()->libelles()) {
        if (l.rect.left() > a.form.EnregCourbe->geometry().right() && l.marque.isNull())
            graduations << l.texte;
    }
    QCOMPARE(graduations, (QStringList{"0,50", "1,00", "1,50", "2,00"}));

    a.form.ButtonMarche->click();
    for (int i = 0; i < 3; ++i)
        unInstant(a.form);
    const QString csv = m_dossier.filePath(QStringLiteral("glycemie.csv"));
    const QString lecon = m_dossier.filePath(QStringLiteral("glycemie.regulation"));
    QFile::remove(csv);
    QFile::remove(lecon);
    a.messages.fileNames << csv << lecon;
    a.form.EnregistrerValeurs();
    a.form.seances()->Enregistrer();
    QFile valeurs(csv);
    QVERIFY(valeurs.open(QIODevice::ReadOnly));
    const QStringList premiere =
        QString::fromUtf8(valeurs.readAll()).split(QStringLiteral("\r\n"))[1].split(u';');
    QCOMPARE(premiere[1], QStringLiteral("1,40"));
    QCOMPARE(premiere[2], QStringLiteral("1,00"));
    QFile fichier(lecon);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QJsonObject ecrite = QJsonDocument::fromJson(fichier.readAll()).object();
    QCOMPARE(ecrite[QStringLiteral("valeurConsigne")].toDouble(), 1.0);
    QCOMPARE(ecrite[QStringLiteral("enregistrements")][QStringLiteral("valeurs")][0][1].toDouble(),
             1.4);
    QCOMPARE(ecrite[QStringLiteral("systemeEnseignant")][QStringLiteral("PetitPas")].toDouble(),
             0.01);

    Fenetre b;
    QVERIFY2(b.form.seances()->ouvre(lecon), qPrintable(b.messages.asked.value(0).text));
    QCOMPARE(b.form.EditValeurReglee->text(), a.form.EditValeurReglee->text());
    QVERIFY(b.form.situation().releve().lignes() == a.form.situation().releve().lignes());
}

QTEST_MAIN(TestSeances)
#include "tst_seances.moc"
