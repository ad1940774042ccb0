// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/situation.h"
#include "systems/validationsysteme.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// A lesson file ("fichier de séance", extension .regulation): UTF-8 JSON,
// read and written here with no window involved. Its fields are described
// beside lisSeance() in fichierseance.cpp and, for teachers, in
// docs/fichier-de-seance.md.

// The size of the strips the window draws: no file may hold more columns, or
// strips of another size.
struct GabaritSeance
{
    QSize bande;        // each pathway's strip, in pixels
    QSize perturbation; // the perturbation's strip
    QSize courbe;       // the curve's surface
};

// The largest file read: a lesson with full strips is a few hundred
// kilobytes.
inline constexpr qint64 tailleMaxSeance = 5 * 1024 * 1024;

QByteArray ecritSeance(const Situation &situation);

// The situation the bytes describe, or why they describe none: one French
// phrase that names the field and what is wrong with it.
struct LectureSeance
{
    std::optional<Situation> situation;
    QString erreur;
};
LectureSeance lisSeance(const QByteArray &octets, const GabaritSeance &gabarit);
