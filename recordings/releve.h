// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/modevoie.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>

// What the recordings drew at one column, for the pupil's spreadsheet.
struct LigneReleve
{
    int colonne = 0;
    int valeurReglee = 0;
    int valeurConsigne = 0;
    int classeEcart = 0; // -5..5, positive when the value is below the set point
    // Per pathway (sensory, stimulating, inhibiting): 1 or 0 for an impulse
    // mark in nervous mode, the trace's height in % of its strip in hormonal
    // mode; unused when the pathway is absent.
    std::array<double, 3> voies{};
    // The perturbation strip's colour at this column: 1 red, -1 lime, 0 olive.
    int perturbation = 0;
    // The experiments in force, in words; empty with the loop whole.
    QString experiences;
    // The steps of a recorded sequence applied just before this row, named;
    // empty for most rows.
    QString etape;

    bool operator==(const LigneReleve &) const = default;
};

// The rows of the recording under way, kept as the strips are drawn: a
// column drawn again in place replaces its row, and clearing the strips
// clears them.
class Releve
{
public:
    void efface()
    {
        m_lignes.clear();
        m_vitesseModifiee = false;
    }
    void note(const LigneReleve &ligne);
    const QList<LigneReleve> &lignes() const { return m_lignes; }
    bool estVide() const { return m_lignes.isEmpty(); }

    // The speed changed during the recording: its ticks no longer all last
    // the same time. Noted only once a row is kept.
    bool vitesseModifiee() const { return m_vitesseModifiee; }
    void noteChangementDeVitesse() { m_vitesseModifiee = !m_lignes.isEmpty(); }
    void changeVitesseModifiee(bool modifiee) { m_vitesseModifiee = modifiee; }

private:
    QList<LigneReleve> m_lignes;
    bool m_vitesseModifiee = false;
};

// The names and modes the header of the values takes from the current system.
struct EnTeteReleve
{
    QString unite;
    // As the scheme names them, with their role where two share a label.
    std::array<QString, 3> nomsVoies;
    std::array<ModeVoie, 3> modesVoies{ModeAbsent, ModeAbsent, ModeAbsent};
    // The reference curve's value at each column it has.
    QMap<int, int> reference;
    // The values' decimals, written with a decimal comma.
    int decimales = 0;
};

// The values as French spreadsheets open them without a question: UTF-8 with
// its byte-order mark, ";" between fields, a decimal comma, CRLF line ends; a
// header row in French, then one row per column.
QByteArray releveEnCsv(const Releve &releve, const EnTeteReleve &enTete);
