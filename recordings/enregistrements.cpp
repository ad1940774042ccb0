// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/canvas.h"
#include "app/window_services/messageservice.h"
#include "recordings/axescourbe.h"
#include "recordings/courbe.h"
#include "recordings/tracevoie.h"
#include "recordings/voiesenregistrees.h"

namespace {

// The perturbation strip's pen: red while the value was moved below the set
// point, lime above it, olive without a perturbation.
QColor couleurPerturbation(int perturbation)
{
    return perturbation > 0   ? QColor(255, 0, 0)
           : perturbation < 0 ? QColor(0, 255, 0)
                              : QColor(128, 128, 0);
}

void effaceBande(ImageControl *enregistrement, const QColor &fond)
{
    Canvas &canvas = enregistrement->canvas();
    canvas.setBrushColor(fond);
    canvas.fillRect(0, 0, enregistrement->width(), enregistrement->height());
}

} // namespace

// A sunken frame: black on the left and top, white on the right and bottom.
// The 2-pixel pen is centred on the strip's edges, so half of it falls
// outside the surface.
void TForm1::DessineCadre(ImageControl *enregistrement)
{
    Canvas &canvas = enregistrement->canvas();
    const int largeur = enregistrement->width();
    const int hauteur = enregistrement->height();
    canvas.setPenWidth(2);
    canvas.setPenColor(Qt::black);
    canvas.moveTo(0, hauteur);
    canvas.lineTo(0, 0);
    canvas.lineTo(largeur, 0);
    canvas.setPenColor(Qt::white);
    canvas.lineTo(largeur, hauteur);
    canvas.lineTo(0, hauteur);
    canvas.setPenColor(Qt::black);
    canvas.setPenWidth(1);
}

void TForm1::InitialiseEnregistrements()
{
    for (const VoieEnregistree &voie : voiesEnregistrees(*this)) {
        // When the inhibiting pathway is absent its strip is hidden with it
        // and kept as it was.
        if (voie.enregistrement == EnregInhibiteur && voie.mode() == ModeAbsent)
            continue;
        effaceBande(voie.enregistrement, voie.fond);
        DessineCadre(voie.enregistrement);
        legendeVoie(voie.enregistrement->canvas(), voie.mode(), voie.nom,
                    voie.enregistrement->height());
    }

    effaceBande(EnregPerturbation, QColor(128, 128, 128));
    DessineCadre(EnregPerturbation);
    m_etat.Perturbation = 0;

    // The curve's scale is the regulated-value bar's range, in its unit.
    actualiseFondCourbe();
    effaceCourbe(EnregCourbe, m_fondCourbe);
    if (m_axesCourbe)
        m_axesCourbe->setUnite(ScrollBarValeurReglee->unit());
    m_etat.OrdonneeCourbe = -1;
    m_etat.PositionEnreg = 0;
    m_situation.releve().efface();
    m_etapesAnnoncees.clear();
    actualiseEtapesCourbe();
    actualiseExport();
}

bool TForm1::EnregistreColonne()
{
    if (enregistrementEnCours(*this))
        ++m_etat.PositionEnreg;

    // Full strips: the question is asked with every timer stopped, and a
    // refusal leaves the mechanism stopped with the strips as they are.
    if (m_etat.PositionEnreg > EnregSensitif->width()) {
        SuspendreMecanisme();
        if (messages().ask(this, MessageKind::Confirmation,
                           QStringLiteral("Effacer ces enregistrements ?"),
                           MessageButtons::OuiNon) != MessageAnswer::Oui)
            return false;
        InitialiseEnregistrements();
        ReprendreMecanisme();
    }

    // Without a toggle down the column stays put and is drawn again in place.
    const int position = m_etat.PositionEnreg;
    Canvas &perturbation = EnregPerturbation->canvas();
    perturbation.setPenColor(couleurPerturbation(m_etat.Perturbation));
    perturbation.moveTo(position, 1);
    perturbation.lineTo(position, EnregPerturbation->height() - 1);

    // The class and periods are those of the previous tick: the sensor tick
    // computes the new ones after this step.
    const ClasseEcartLigne &ligne = ligneClasse(m_etat.ClasseEcart);
    const ClasseEcartLigne &lue = ligneClasse(m_situation.classeLue(m_etat.ClasseEcart));
    LigneReleve releve;
    releve.colonne = position;
    releve.classeEcart = m_etat.ClasseEcart;
    releve.perturbation = m_etat.Perturbation;
    const auto voies = voiesEnregistrees(*this);
    for (std::size_t v = 0; v < voies.size(); ++v) {
        const VoieEnregistree &voie = voies[v];
        Canvas &canvas = voie.enregistrement->canvas();
        const int hauteurBande = voie.enregistrement->height();
        // Past a lesion a pathway carries nothing: no impulse, no hormone.
        // The motor pathways carry what the centre reads.
        const bool muette =
            m_situation.experiences().voieMuette(int(v), m_situation.modeSensitif());
        const ClasseEcartLigne &activite = v == 0 ? ligne : lue;
        switch (voie.mode()) {
        case ModeNerveux: {
            const int periode = muette ? 0 : voie.periode;
            colonneNerveuse(canvas, position, hauteurBande, voie.avanceLigneBase, periode);
            releve.voies[v] = periode > 0 && position % periode == 0 ? 1 : 0;
            break;
        }
        case ModeHormonal:
            voie.niveauCible = muette ? niveauMin(hauteurBande) : int(activite.*voie.niveauClasse);
            colonneHormonale(canvas, position, voie.niveauCible, voie.niveauTrace);
            releve.voies[v] = niveauEnPourcent(voie.niveauTrace, hauteurBande);
            break;
        case ModeAbsent:
            break;
        }
    }

    // The curve shows the values the pupil reads in the edits (the shared
    // values are still 0 until the first tick or change brings them in line).
    const auto valeurLue = [](const ValueEdit *edit, int valeurPartagee) {
        bool lue = false;
        const int valeur = edit->value(&lue);
        return lue ? valeur : valeurPartagee;
    };
    releve.valeurReglee = valeurLue(EditValeurReglee, m_etat.ValeurReglee);
    releve.valeurConsigne = valeurLue(EditValeurConsigne, m_etat.ValeurConsigne);
    m_etat.OrdonneeCourbe = dessineColonneCourbe(position, releve.valeurReglee,
                                                 releve.valeurConsigne, m_etat.OrdonneeCourbe);

    releve.experiences = m_motsExperiences;

    // Column 0 is only the strips' resting place: what a pupil recorded
    // starts at column 1.
    if (position > 0) {
        const bool premiere = m_situation.releve().estVide();
        releve.etape = std::exchange(m_etapesAnnoncees, QString());
        m_situation.releve().note(releve);
        if (premiere)
            actualiseExport();
        if (!releve.etape.isEmpty())
            actualiseEtapesCourbe();
    }
    return true;
}

void TForm1::annonceEtape(const QString &nom)
{
    if (!m_etapesAnnoncees.isEmpty())
        m_etapesAnnoncees += QStringLiteral(" ; ");
    m_etapesAnnoncees += nom;
}
