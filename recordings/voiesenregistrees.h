// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mechanism/tableclassesecart.h"
#include "systems/modevoie.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

class ImageControl;
class SituationCourante;
class TForm1;

// One pathway as its recording strip sees it: where it is drawn, in which
// mode, and the shared values its column is drawn from.
struct VoieEnregistree
{
    ImageControl *enregistrement;
    ImageControl *imageVoie; // its tag is the pathway's mode
    QColor fond;
    QString nom;
    // Columns of baseline drawn per tick in nervous mode.
    int avanceLigneBase;
    int periode;
    int &niveauCible;
    int &niveauTrace;
    std::uint8_t ClasseEcartLigne::*niveauClasse;

    ModeVoie mode() const;
};

// The sensory, stimulating and inhibiting pathways, in that order.
std::array<VoieEnregistree, 3> voiesEnregistrees(TForm1 &form);

// The three pathways as the scheme names them (with their role where two
// share a label), in the strips' order: what the exports say of each strip.
std::array<QString, 3> nomsDesVoies(const SituationCourante &situation);

// True while at least one of the recording toggles (the three pathways' and
// the curve's) is down, hidden toggles included.
bool enregistrementEnCours(const TForm1 &form);
