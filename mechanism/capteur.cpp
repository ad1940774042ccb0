// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "mechanism/tableclassesecart.h"
#include "mechanism/trajets.h"

#include <algorithm>

namespace {

// The deviation class: one class per tenth of the regulated value's range.
// A range narrower than 10 counts one class per unit rather than dividing by 0.
int classeDeviation(int ecart, int minimum, int maximum)
{
    const int largeurClasse = std::max(1, (maximum - minimum) / 10);
    return std::clamp(ecart / largeurClasse, ClasseEcartMin, ClasseEcartMax);
}

} // namespace

void TForm1::PeintCapteur(const QColor &couleur)
{
    // Filled and outlined over the window's size: only the top and left
    // sides of the outline fall on the sensor.
    Canvas &canvas = ImageCapteur->canvas();
    canvas.setBrushColor(couleur);
    canvas.fillRect(0, 0, width(), height());
    canvas.rectangle(0, 0, width(), height());
}

void TForm1::TimerCapteurTimer()
{
    // The recordings draw with the class of the previous tick.
    if (!EnregistreColonne())
        return;

    const int classePrecedente = m_etat.ClasseEcart;
    m_etat.ClasseEcart = classeDeviation(m_etat.Ecart, ScrollBarValeurReglee->minimum(),
                                         ScrollBarValeurReglee->maximum());
    // A screen reader hears the sensor's deviation in words when it changes.
    if (m_etat.ClasseEcart != classePrecedente)
        ImageCapteur->announceStateChange();
    const ClasseEcartLigne &ligne = ligneClasse(m_etat.ClasseEcart);

    // A lost sensor detects nothing: it takes no colour and sends nothing,
    // while the tick goes on driving the recordings and the drift.
    const bool capteurDetruit = m_situation.experiences().capteurPerdu(m_situation.modeSensitif());
    if (capteurDetruit) {
        ImageCapteur->setShown(true);
    } else {
        PeintCapteur(QColor(ligne.Rouge, ligne.Vert, ligne.Bleu));
        ImageCapteur->setShown(!ImageCapteur->isShown());
    }

    m_etat.PeriodeSensitive = ligne.PeriodeSensitive;
    const ClasseEcartLigne &lue = ligneClasse(m_situation.classeLue(m_etat.ClasseEcart));
    m_etat.PeriodeInhibitrice = lue.PeriodeInhibitrice;
    m_etat.PeriodeStimulatrice = lue.PeriodeStimulatrice;

    if (m_etat.ClasseEcart == 0) {
        TimerPerturbation->setInterval(0);
        ImageEclair1->setShown(false);
        ImageEclair2->setShown(false);
        LabelPerturbation->hide();
        // Exactly on the set point, the regulated value drifts down one unit,
        // so the loop keeps working around it.
        if (m_etat.Ecart == 0) {
            m_etat.ValeurReglee = EditValeurReglee->value() - 1;
            EditValeurReglee->setValue(m_etat.ValeurReglee);
        }
    }

    if (!m_etat.InfluxSensitif && !capteurDetruit) {
        // The sensory message leaves the sensor at the foot of the sensory
        // pathway, in the sensor's colour.
        auto influx = trajets::nouvelInflux(
            m_calqueMessages, trajets::trajetSensitif, ImageVoieSensitive->geometry(),
            ImageCapteur->canvas().brushColor(), QStringLiteral("Message sensitif"));
        influx->show();
        m_etat.InfluxSensitif = std::move(influx);
        TimerVoieSensitive->setInterval(m_etat.IntervalleAnimation);
        m_etat.PhaseSensitiveMontee = true;
    }

    // With its sensory nerve silent the centre needs no message to act: it
    // stimulates at every tick its motor pathway is free.
    if (m_situation.experiences().silenceLuCommeMinimum(m_situation.modeSensitif()) &&
        !m_etat.InfluxMoteur)
        EnvoieMessageMoteur();

    // An effector that has just acted was off for one tick.
    showEffectors();
}
