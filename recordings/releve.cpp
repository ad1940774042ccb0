// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/releve.h"

#include "systems/valeursysteme.h"

#include <QStringList>

#include <algorithm>

namespace {

// A text field, as data: one a spreadsheet would take for a formula (it
// begins with =, +, -, @, a tab or a carriage return) starts with an
// apostrophe, so that it is shown as text and never evaluated; a field that
// holds the separator, a quote or a line end is quoted (RFC 4180). Names a
// teacher types reach the header, so no text is trusted.
QString champ(const QString &texte)
{
    static const QString formule = QStringLiteral("=+-@\t\r");
    QString valeur = texte;
    if (!valeur.isEmpty() && formule.contains(valeur.front()))
        valeur.prepend(QLatin1Char('\''));
    static const QString speciaux = QStringLiteral(";\"\r\n");
    if (std::none_of(valeur.cbegin(), valeur.cend(), [](QChar c) { return speciaux.contains(c); }))
        return valeur;
    return QLatin1Char('"') + valeur.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString avecUnite(const QString &nom, const QString &unite)
{
    return unite.isEmpty() ? nom : QStringLiteral("%1 (%2)").arg(nom, unite);
}

QString decimal(double valeur)
{
    return QString::number(valeur, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The perturbation strip's colour at that column, as the pupil sees it.
QString couleurPerturbation(int perturbation)
{
    if (perturbation > 0)
        return QStringLiteral("rouge");
    if (perturbation < 0)
        return QStringLiteral("vert");
    return QStringLiteral("olive");
}

} // namespace

void Releve::note(const LigneReleve &ligne)
{
    if (!m_lignes.isEmpty() && m_lignes.last().colonne == ligne.colonne)
        m_lignes.last() = ligne;
    else
        m_lignes.append(ligne);
}

QByteArray releveEnCsv(const Releve &releve, const EnTeteReleve &enTete)
{
    // Each header says how to read its column in a pupil's words: a pupil
    // copies it into a report without the program beside it.
    QStringList entete{
        QStringLiteral("Temps (tops du capteur)"),
        avecUnite(QStringLiteral("Valeur réglée"), enTete.unite),
        avecUnite(QStringLiteral("Valeur consigne"), enTete.unite),
        QStringLiteral("Écart à la consigne (classe de −5 à +5, +\u00a0: valeur trop basse)")};
    for (std::size_t v = 0; v < enTete.modesVoies.size(); ++v) {
        if (enTete.modesVoies[v] == ModeNerveux)
            entete << enTete.nomsVoies[v] + QStringLiteral("\u00a0: influx (1 = oui)");
        else if (enTete.modesVoies[v] == ModeHormonal)
            entete << enTete.nomsVoies[v] + QStringLiteral("\u00a0: niveau d'hormone (%, 0 = "
                                                           "Min\u00a0: aucune, 100 = Max)");
    }
    entete << QStringLiteral("Perturbation (rouge\u00a0: valeur abaissée, vert\u00a0: valeur "
                             "élevée, olive\u00a0: aucune)")
           << QStringLiteral("Expériences") << avecUnite(QStringLiteral("Référence"), enTete.unite);
    // A replayed sequence names its steps in a last column; other values
    // keep their columns as they were.
    const bool etapes = std::any_of(releve.lignes().cbegin(), releve.lignes().cend(),
                                    [](const LigneReleve &l) { return !l.etape.isEmpty(); });
    if (etapes)
        entete << QStringLiteral("Étape du déroulé");

    QStringList lignes;
    QStringList champs;
    for (const QString &nom : std::as_const(entete))
        champs << champ(nom);
    lignes << champs.join(QLatin1Char(';'));
    for (const LigneReleve &ligne : releve.lignes()) {
        champs = {QString::number(ligne.colonne), texteValeur(ligne.valeurReglee, enTete.decimales),
                  texteValeur(ligne.valeurConsigne, enTete.decimales),
                  QString::number(ligne.classeEcart)};
        for (std::size_t v = 0; v < enTete.modesVoies.size(); ++v) {
            if (enTete.modesVoies[v] == ModeNerveux)
                champs << QString::number(int(ligne.voies[v]));
            else if (enTete.modesVoies[v] == ModeHormonal)
                champs << decimal(ligne.voies[v]);
        }
        champs << champ(couleurPerturbation(ligne.perturbation)) << champ(ligne.experiences)
               << (enTete.reference.contains(ligne.colonne)
                       ? texteValeur(enTete.reference.value(ligne.colonne), enTete.decimales)
                       : QString());
        if (etapes)
            champs << champ(ligne.etape);
        lignes << champs.join(QLatin1Char(';'));
    }
    return QByteArray("\xEF\xBB\xBF") + lignes.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}
