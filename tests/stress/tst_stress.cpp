// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the window through long random sequences of what a class can do
// (every button and toggle, the value bars and the speed, picks and any text
// in the system list, help mode, pointer movement, keys, the window closed)
// interleaved with ticks of the five timers, each handler run only while its
// timer runs, as the event loop would. After every step the invariants of the
// window must hold. The generator is seeded: a failure prints the seed and the
// action to replay it.
//   REGULATION_STRESS_SEED    seed (default 1)
//   REGULATION_STRESS_ACTIONS number of actions (default 30000)
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "clavier.h"
#include "countingbeeper.h"
#include "invariants.h"
#include "scriptedmessages.h"
#include "systems/cataloguesystemes.h"
#include "tests/systems/saisiesysteme.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <memory>

namespace {

qint64 entierEnvironnement(const char *nom, qint64 defaut)
{
    bool lu = false;
    const qint64 valeur = qEnvironmentVariable(nom).toLongLong(&lu);
    return lu ? valeur : defaut;
}

using Gestionnaire = void (TForm1::*)();

const Gestionnaire survols[] = {
    &TForm1::ImageCapteurMouseMove,
    &TForm1::LabelCapteurMouseMove,
    &TForm1::ImageVoieSensitiveMouseMove,
    &TForm1::LabelVoieSensitiveMouseMove,
    &TForm1::ImageCentreIntegrateurMouseMove,
    &TForm1::LabelCentreIntegrateurMouseMove,
    &TForm1::ImageVoieStimulatriceMouseMove,
    &TForm1::LabelVoieStimulatriceMouseMove,
    &TForm1::ImageVoieInhibitriceMouseMove,
    &TForm1::ImageEffecteurStimulateurMouseMove,
    &TForm1::LabelEffecteurStimulateurMouseMove,
    &TForm1::ImageEffecteurInhibiteurMouseMove,
    &TForm1::LabelEffecteurInhibiteurMouseMove,
    &TForm1::EditValeurRegleeMouseMove,
    &TForm1::LabelValeurRegleeMouseMove,
    &TForm1::EditValeurConsigneMouseMove,
    &TForm1::LabelValeurConsigneMouseMove,
    &TForm1::ButtonMarcheMouseMove,
    &TForm1::SpeedButtonSonMouseMove,
    &TForm1::ButtonAProposDeMouseMove,
    &TForm1::ButtonQuitterMouseMove,
    &TForm1::SpeedButtonEnregMouseMove,
    &TForm1::SpeedButtonEnregSensitifMouseMove,
    &TForm1::SpeedButtonEnregStimulateurMouseMove,
    &TForm1::SpeedButtonEnregInhibiteurMouseMove,
    &TForm1::FormMouseMove,
    &TForm1::GroupBoxSystemeReglantMouseMove,
};

// Notes that the window has received its close event.
class GuetteFermeture : public QObject
{
public:
    bool fermee = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            fermee = true;
        return false;
    }
};

class Partie
{
public:
    explicit Partie(quint64 graine) : m_hasard(graine) { nouvelleFenetre(); }

    TForm1 &form() { return *m_form; }
    bool fermee() const { return m_guette.fermee; }

    void nouvelleFenetre()
    {
        m_form.reset();
        m_guette.fermee = false;
        m_form = std::make_unique<TForm1>(m_messages, m_beeper);
        m_form->installEventFilter(&m_guette);
        ++m_fenetres;
    }

    int entier(int bas, int haut) { return int(m_hasard.bounded(bas, haut + 1)); }
    bool chance(int pourcent) { return entier(1, 100) <= pourcent; }
    template <typename T, std::size_t N> const T &parmi(const T (&liste)[N])
    {
        return liste[entier(0, int(N) - 1)];
    }

    // Whatever the pupil answers to the next questions: yes, no, or the box
    // closed without an answer.
    void prepareReponses()
    {
        static const MessageAnswer reponses[] = {MessageAnswer::Oui, MessageAnswer::Non,
                                                 MessageAnswer::Aucune};
        while (m_messages.answers.size() < 3)
            m_messages.answers.enqueue(parmi(reponses));
        if (m_messages.asked.size() > 64) {
            for (const ScriptedMessages::Question &question : std::as_const(m_messages.asked))
                ++m_questions[question.text];
            m_messages.asked.clear();
        }
    }

    // How often each question came, and how many windows were opened.
    QString bilan() const
    {
        QStringList lignes{QStringLiteral("%1 windows").arg(m_fenetres)};
        for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it)
            lignes << QStringLiteral("\"%1\" %2 times").arg(it.key(), QString::number(it.value()));
        return lignes.join(QStringLiteral(", "));
    }

    QString derniereQuestion() const
    {
        return m_messages.asked.isEmpty() ? QString() : m_messages.asked.last().text;
    }
    qsizetype questionsPosees() const { return m_messages.asked.size(); }

    QString texteAuHasard(int longueur)
    {
        QString texte;
        for (int i = 0; i < longueur; ++i) {
            switch (entier(0, 3)) {
            case 0:
                texte += QChar(entier(0x20, 0x7e));
                break;
            case 1:
                texte += QChar(entier(0xa0, 0x17f)); // accented Latin
                break;
            case 2:
                texte += QStringLiteral("éèàç'() ").at(entier(0, 7));
                break;
            default:
                texte += QChar(entier(0x370, 0x3ff)); // anything else
            }
        }
        return texte;
    }

private:
    QRandomGenerator64 m_hasard;
    ScriptedMessages m_messages;
    CountingBeeper m_beeper;
    GuetteFermeture m_guette;
    std::unique_ptr<TForm1> m_form;
    QHash<QString, int> m_questions;
    int m_fenetres = 0;
};

} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private slots:
    void sequencesAleatoires();

private:
    // Each action returns what it did, for the report of a failure; an
    // action that finds a fault returns it through m_rupture.
    QString tic(Partie &partie);
    QString rafale(Partie &partie);
    QString clic(Partie &partie);
    QString barre(Partie &partie);
    QString vitesse(Partie &partie);
    QString choix(Partie &partie);
    QString saisie(Partie &partie);
    QString survol(Partie &partie);
    QString touche(Partie &partie);
    QString fermeture(Partie &partie);

    QString ticDe(Partie &partie, IntervalTimer *timer);

    QString m_rupture;
};

// One tick of a running timer. After a sensor tick with the mechanism still
// running the column is within the strips; a tick that stopped it was a
// wrap the pupil declined.
QString TestStress::ticDe(Partie &partie, IntervalTimer *timer)
{
    TForm1 &form = partie.form();
    if (timer == form.TimerCapteur) {
        const qsizetype questions = partie.questionsPosees();
        form.TimerCapteurTimer();
        const int position = form.etat().PositionEnreg;
        const int largeur = form.EnregSensitif->width();
        if (form.etat().MecanismeEnMarche && position > largeur)
            m_rupture = QStringLiteral("PositionEnreg %1 after a tick").arg(position);
        if (!form.etat().MecanismeEnMarche &&
            (position <= largeur || partie.questionsPosees() == questions ||
             partie.derniereQuestion() != QStringLiteral("Effacer ces enregistrements ?")))
            m_rupture = QStringLiteral("a tick stopped the mechanism at column %1").arg(position);
    } else if (timer == form.TimerPerturbation) {
        form.TimerPerturbationTimer();
    } else if (timer == form.TimerVoieSensitive) {
        form.TimerVoieSensitiveTimer();
    } else if (timer == form.TimerVoieStimulatrice) {
        form.TimerVoieStimulatriceTimer();
    } else {
        form.TimerVoieInhibitriceTimer();
    }
    return QStringLiteral("tick of %1").arg(timer->objectName());
}

QString TestStress::tic(Partie &partie)
{
    TForm1 &form = partie.form();
    QList<IntervalTimer *> enMarche;
    for (IntervalTimer *timer : form.findChildren<IntervalTimer *>()) {
        if (timer->isRunning())
            enMarche << timer;
    }
    if (enMarche.isEmpty())
        return QStringLiteral("no timer runs");
    // The sensor ticks as often as the pathways; the others share the rest.
    if (form.TimerCapteur->isRunning() && partie.chance(40))
        return ticDe(partie, form.TimerCapteur);
    return ticDe(partie, enMarche.at(partie.entier(0, int(enMarche.size()) - 1)));
}

// A stretch of undisturbed running at equal intervals, long enough for the
// strips to fill and wrap.
QString TestStress::rafale(Partie &partie)
{
    TForm1 &form = partie.form();
    const int tics = partie.entier(50, 700);
    for (int i = 0; i < tics && m_rupture.isEmpty() && form.TimerCapteur->isRunning(); ++i) {
        for (IntervalTimer *timer : {form.TimerCapteur, form.TimerVoieSensitive,
                                     form.TimerVoieStimulatrice, form.TimerVoieInhibitrice}) {
            if (timer->isRunning() && m_rupture.isEmpty())
                ticDe(partie, timer);
        }
        if (i % 10 == 0 && form.TimerPerturbation->isRunning())
            form.TimerPerturbationTimer();
        const QString rompu = invariantsRompus(form);
        if (!rompu.isEmpty() && m_rupture.isEmpty())
            m_rupture = QStringLiteral("tick %1 of the run: %2").arg(QString::number(i), rompu);
    }
    return QStringLiteral("%1 ticks of undisturbed running").arg(tics);
}

QString TestStress::clic(Partie &partie)
{
    TForm1 &form = partie.form();
    // Quitting ends the window: rarer than the rest, so that long runs occur.
    QAbstractButton *const boutons[] = {
        form.ButtonMarche,
        form.ButtonMarche,
        form.SpeedButtonAide,
        form.SpeedButtonSon,
        form.SpeedButtonEnregSensitif,
        form.SpeedButtonEnregStimulateur,
        form.SpeedButtonEnregInhibiteur,
        form.SpeedButtonEnreg,
        form.ButtonAProposDe,
        form.ButtonFermerAProposDe,
    };
    QAbstractButton *bouton = partie.chance(3) ? form.ButtonQuitter : partie.parmi(boutons);
    // Only what the pupil can reach: shown (within its window) and enabled.
    if (!bouton->isVisibleTo(&form) || !bouton->isEnabled())
        return QStringLiteral("%1 is out of reach").arg(bouton->objectName());
    bouton->click();
    return QStringLiteral("click on %1").arg(bouton->objectName());
}

QString TestStress::barre(Partie &partie)
{
    TForm1 &form = partie.form();
    ScrollBar *barre =
        partie.chance(50) ? form.ScrollBarValeurReglee : form.ScrollBarValeurConsigne;
    if (partie.chance(50)) {
        const int etendue = barre->maximum() - barre->minimum();
        const int position =
            partie.entier(barre->minimum() - etendue / 10, barre->maximum() + etendue / 10);
        barre->setValue(position);
        return QStringLiteral("%1 dragged to %2").arg(barre->objectName()).arg(position);
    }
    static const QAbstractSlider::SliderAction gestes[] = {
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum,
    };
    const QAbstractSlider::SliderAction geste = partie.parmi(gestes);
    barre->triggerAction(geste);
    return QStringLiteral("%1 action %2").arg(barre->objectName()).arg(int(geste));
}

QString TestStress::vitesse(Partie &partie)
{
    TForm1 &form = partie.form();
    const int position = partie.entier(-1, 11);
    form.TrackBarVitesse->setValue(position);
    return QStringLiteral("speed set to %1").arg(position);
}

QString TestStress::choix(Partie &partie)
{
    SortedComboBox *liste = partie.form().ComboBoxSysteme;
    liste->setCurrentIndex(partie.entier(0, liste->count() - 1));
    emit liste->textActivated(liste->currentText());
    return QStringLiteral("pick of \"%1\"").arg(liste->currentText());
}

// Typing in the system list: an exact name, the start of one, any text,
// pasting a very long text, or erasing.
QString TestStress::saisie(Partie &partie)
{
    TForm1 &form = partie.form();
    QLineEdit *champ = form.ComboBoxSysteme->lineEdit();
    const QStringList noms = nomsCatalogue();
    const QString nom = noms.at(partie.entier(0, int(noms.size()) - 1));
    QString texte;
    switch (partie.entier(0, 6)) {
    case 0:
        texte = nom;
        break;
    case 1:
        texte = nom.left(partie.entier(1, int(nom.size())));
        break;
    case 2:
        texte = nom.toUpper();
        break;
    case 3:
        texte = partie.texteAuHasard(partie.entier(1, 40));
        break;
    case 4:
        // A long text comes pasted rather than typed.
        QGuiApplication::clipboard()->setText(partie.texteAuHasard(partie.entier(200, 5000)));
        if (partie.chance(50))
            champ->selectAll();
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("pasted %1 characters in the system list")
            .arg(QGuiApplication::clipboard()->text().size());
    case 5:
        QTest::keyClick(champ, Qt::Key_Backspace);
        return QStringLiteral("Backspace in the system list");
    default:
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_Delete);
        return QStringLiteral("system list erased");
    }
    if (partie.chance(70))
        champ->selectAll();
    tapeTexte(champ, texte);
    return QStringLiteral("typed \"%1\" (%2 characters) in the system list")
        .arg(texte.left(40), QString::number(texte.size()));
}

QString TestStress::survol(Partie &partie)
{
    TForm1 &form = partie.form();
    if (partie.chance(50)) {
        const int numero = partie.entier(0, int(std::size(survols)) - 1);
        (form.*survols[numero])();
        return QStringLiteral("hover handler %1").arg(numero);
    }
    const QList<QWidget *> elements = form.findChildren<QWidget *>();
    QWidget *element = elements.at(partie.entier(0, int(elements.size()) - 1));
    const QPointF point(partie.entier(0, qMax(0, element->width() - 1)),
                        partie.entier(0, qMax(0, element->height() - 1)));
    QMouseEvent deplacement(QEvent::MouseMove, point, element->mapToGlobal(point), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(element, &deplacement);
    return QStringLiteral("pointer over %1").arg(element->objectName());
}

QString TestStress::touche(Partie &partie)
{
    TForm1 &form = partie.form();
    const QList<QWidget *> elements = form.findChildren<QWidget *>();
    QWidget *element = elements.at(partie.entier(0, int(elements.size()) - 1));
    const Qt::Key code = partie.parmi(touchesDuClavier);
    const Qt::KeyboardModifier modificateur = partie.parmi(modificateursDuClavier);
    QTest::keyClick(element, code, modificateur);
    return QStringLiteral("key %1 (modifiers %2) on %3 %4")
        .arg(int(code), 0, 16)
        .arg(int(modificateur), 0, 16)
        .arg(QString::fromLatin1(element->metaObject()->className()), element->objectName());
}

QString TestStress::fermeture(Partie &partie)
{
    partie.form().close();
    return QStringLiteral("window closed by its frame");
}

void TestStress::sequencesAleatoires()
{
    const quint64 graine = quint64(entierEnvironnement("REGULATION_STRESS_SEED", 1));
    const qint64 actions = entierEnvironnement("REGULATION_STRESS_ACTIONS", 30000);
    qInfo("seed %llu, %lld actions", graine, actions);
    QGuiApplication::clipboard()->setText(QStringLiteral("12abc"));

    const struct
    {
        int poids;
        QString (TestStress::*action)(Partie &);
    } repertoire[] = {
        {45, &TestStress::tic},   {1, &TestStress::rafale},  {12, &TestStress::clic},
        {8, &TestStress::barre},  {3, &TestStress::vitesse}, {3, &TestStress::choix},
        {4, &TestStress::saisie}, {8, &TestStress::survol},  {4, &TestStress::touche},
    };
    int poidsTotal = 0;
    for (const auto &entree : repertoire)
        poidsTotal += entree.poids;

    Partie partie(graine);
    QStringList dernieres;
    for (qint64 numero = 0; numero < actions; ++numero) {
        partie.prepareReponses();
        QString fait;
        if (partie.entier(1, 2000) == 1) {
            fait = fermeture(partie);
        } else {
            int tirage = partie.entier(1, poidsTotal);
            for (const auto &entree : repertoire) {
                tirage -= entree.poids;
                if (tirage <= 0) {
                    fait = (this->*entree.action)(partie);
                    break;
                }
            }
        }
        dernieres << QStringLiteral("%1: %2").arg(QString::number(numero), fait);
        if (dernieres.size() > 15)
            dernieres.removeFirst();

        const QString rompu = m_rupture.isEmpty() ? invariantsRompus(partie.form()) : m_rupture;
        if (!rompu.isEmpty()) {
            QFAIL(qPrintable(
                QStringLiteral("seed %1, action %2 (%3): %4\nreplay with "
                               "REGULATION_STRESS_SEED=%1 REGULATION_STRESS_ACTIONS=%5\n"
                               "last actions:\n  %6")
                    .arg(QString::number(graine), QString::number(numero), fait, rompu,
                         QString::number(numero + 1), dernieres.join(QStringLiteral("\n  ")))));
        }
        if (partie.fermee())
            partie.nouvelleFenetre();
        if (numero % 256 == 0) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    qInfo("%s", qPrintable(partie.bilan()));
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
