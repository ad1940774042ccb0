// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/configurationsysteme.h"

#include <QString>
#include <QVariant>

#include <span>

// Each field of a system's description, once: its key in files (the name a
// fault gives too), where the description keeps it, its label in the editor,
// when it applies and its own rule. The file's reading and writing, the
// rules, the editor and its fields are made from this table, in its order
// (the order the teacher meets the fields in the editor).
struct ChampSysteme
{
    enum Genre
    {
        Texte,
        Mode,
        Entier,
        // A value of the bars: a number in the system's unit, with at most
        // its decimals, kept as a whole number of steps (in `entier`).
        Valeur
    };
    const char *cle;
    Genre genre;
    // The one member the kind names; the others are null.
    QString ConfigurationSysteme::*texte;
    ModeVoie ConfigurationSysteme::*mode;
    int ConfigurationSysteme::*entier;
    // In the editor, with its shortcut mark; none for an effector's presence,
    // which follows its pathway.
    const char *libelle;
    // A pathway's mode: the editor's words for no pathway, where there may be none.
    const char *aucune;
    // Whether the element the field names is on that system's scheme (null:
    // always). A text of an absent element is empty; an effector's presence
    // is 1 when it is there, 0 when not.
    bool (*present)(const ConfigurationSysteme &);
    // A number's or a mode's own rule: what is wrong with it in that system,
    // or nothing (null: none beyond its kind).
    QString (*regle)(const ConfigurationSysteme &);

    // Absent from a file, it reads as 0: descriptions written before it
    // existed stay valid.
    bool facultatif;

    // A text, a whole number, or a value in the unit (a double).
    QVariant valeur(const ConfigurationSysteme &systeme) const;
    // The same; a value is rounded to the system's decimals, set before it.
    void change(ConfigurationSysteme &systeme, const QVariant &valeur) const;
    bool estPresent(const ConfigurationSysteme &systeme) const
    {
        return !present || present(systeme);
    }
};

std::span<const ChampSysteme> champsSysteme();
