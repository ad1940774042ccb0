// SPDX-License-Identifier: GPL-3.0-or-later
// The curve read and compared: its axes and legend, and a reference curve the
// pupil keeps to set another situation beside it.
#include "app/tform1.h"

#include "app/window_services/imagecontrol.h"
#include "recordings/axescourbe.h"
#include "recordings/graduations.h"
#include "systems/valeursysteme.h"

#include <QAction>

void TForm1::setUpCourbe()
{
    m_axesCourbe = new AxesCourbe(GroupBoxCourbe, EnregCourbe);

    m_garderReference = new QAction(QStringLiteral("Garder comme référence"), this);
    m_garderReference->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_effacerReference = new QAction(QStringLiteral("Effacer la référence"), this);
    m_effacerReference->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    for (QAction *action : {m_garderReference, m_effacerReference}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(m_garderReference, &QAction::triggered, this, &TForm1::GarderReference);
    connect(m_effacerReference, &QAction::triggered, this, &TForm1::EffacerReference);

    // A screen reader hears the values at the last column.
    EnregCourbe->setStateInWords(
        [this] {
            if (m_situation.releve().estVide())
                return QString();
            const QString unite = ScrollBarValeurReglee->unit();
            const int decimales = m_situation.systeme().Decimales;
            const LigneReleve &derniere = m_situation.releve().lignes().last();
            QString mots = QStringLiteral("Valeur réglée : %1 %2.")
                               .arg(texteValeur(derniere.valeurReglee, decimales), unite);
            if (m_situation.reference().contains(derniere.colonne))
                mots += QStringLiteral(" Référence : %1 %2.")
                            .arg(texteValeur(m_situation.reference().value(derniere.colonne),
                                             decimales),
                                 unite);
            return mots;
        },
        ImageControl::StatePlace::Description);
    actualiseReference();
}

// The grid and the reference under the live curve, in rows of its surface.
void TForm1::actualiseFondCourbe()
{
    const int minimum = ScrollBarValeurReglee->minimum();
    const int maximum = ScrollBarValeurReglee->maximum();
    const int hauteur = EnregCourbe->height();
    m_fondCourbe.lignesGrille.clear();
    QList<AxesCourbe::Graduation> graduationsAxe;
    for (int valeur : graduations(minimum, maximum)) {
        const int ligne = ordonneeCourbe(valeur, minimum, maximum, hauteur);
        m_fondCourbe.lignesGrille << ligne;
        graduationsAxe << AxesCourbe::Graduation{
            ligne, texteValeur(valeur, m_situation.systeme().Decimales)};
    }
    m_fondCourbe.reference.fill(-1, EnregCourbe->width() + 1);
    for (auto it = m_situation.reference().cbegin(); it != m_situation.reference().cend(); ++it) {
        if (it.key() < m_fondCourbe.reference.size())
            m_fondCourbe.reference[it.key()] =
                ordonneeCourbe(it.value(), minimum, maximum, hauteur);
    }
    if (m_axesCourbe) {
        m_axesCourbe->setGraduations(graduationsAxe);
        m_axesCourbe->setReference(
            m_situation.reference().isEmpty() ? QString() : m_situation.situationReference());
    }
}

// One column of the curve, on the regulated-value bar's range; returns the
// value's row, which the next column joins.
int TForm1::dessineColonneCourbe(int position, int valeurReglee, int valeurConsigne, int precedente)
{
    const int minimum = ScrollBarValeurReglee->minimum();
    const int maximum = ScrollBarValeurReglee->maximum();
    const int hauteur = EnregCourbe->height();
    return colonneCourbe(EnregCourbe, m_fondCourbe, position,
                         ordonneeCourbe(valeurReglee, minimum, maximum, hauteur),
                         ordonneeCourbe(valeurConsigne, minimum, maximum, hauteur), precedente);
}

// The whole curve drawn again over a new background, from the values the
// columns were drawn with.
void TForm1::redessineCourbe()
{
    actualiseFondCourbe();
    effaceCourbe(EnregCourbe, m_fondCourbe);
    int precedente = -1;
    for (const LigneReleve &ligne : m_situation.releve().lignes())
        precedente = dessineColonneCourbe(ligne.colonne, ligne.valeurReglee, ligne.valeurConsigne,
                                          precedente);
    if (!m_situation.releve().estVide())
        m_etat.OrdonneeCourbe = precedente;
    actualiseEtapesCourbe();
}

// The steps the rows name, marked at their columns.
void TForm1::actualiseEtapesCourbe()
{
    if (!m_axesCourbe)
        return;
    QList<AxesCourbe::Etape> etapes;
    for (const LigneReleve &ligne : m_situation.releve().lignes()) {
        if (!ligne.etape.isEmpty())
            etapes.append({ligne.colonne, ligne.etape});
    }
    m_axesCourbe->setEtapes(etapes);
}

void TForm1::GarderReference()
{
    if (!m_situation.gardeReference(m_motsExperiences))
        return;
    redessineCourbe();
    actualiseReference();
}

void TForm1::EffacerReference()
{
    if (!m_situation.effaceReference())
        return;
    redessineCourbe();
    actualiseReference();
}

void TForm1::actualiseReference()
{
    if (!m_garderReference)
        return;
    m_garderReference->setEnabled(!m_situation.releve().estVide());
    m_effacerReference->setEnabled(!m_situation.reference().isEmpty());
    m_axesCourbe->setVitesseModifiee(m_situation.releve().vitesseModifiee());
}

// The speed changed while the curve records: its ticks no longer all last
// the same time, and its time axis says so.
void TForm1::noteChangementDeVitesse()
{
    if (m_situation.releve().estVide())
        return;
    m_situation.releve().noteChangementDeVitesse();
    actualiseReference();
}
