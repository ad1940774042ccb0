// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/validationsysteme.h"

#include "systems/cataloguesystemes.h"
#include "systems/champssysteme.h"

using namespace Qt::Literals::StringLiterals;

bool surUneLigne(const QString &texte)
{
    for (const QChar c : texte) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

QString defautDeNom(const QString &texte)
{
    if (texte.size() > LongueurMaxNom)
        return u"le nom dépasse %1 caractères."_s.arg(LongueurMaxNom);
    if (!surUneLigne(texte))
        return u"le nom tient sur une ligne."_s;
    return {};
}

QString citation(const QString &texte)
{
    constexpr qsizetype longueurCitee = 60;
    QString cite = texte.left(longueurCitee);
    for (QChar &c : cite) {
        if (!surUneLigne(QString(c)))
            c = QChar::ReplacementCharacter;
    }
    if (texte.size() > longueurCitee)
        cite += u'…';
    return cite;
}

QList<DefautSysteme> valideSysteme(const QString &nom, const ConfigurationSysteme &s)
{
    QList<DefautSysteme> defauts;
    const auto defaut = [&defauts](const QString &champ, const QString &raison) {
        defauts.append({champ, raison});
    };

    if (nom.trimmed().isEmpty())
        defaut(u"nom"_s, u"le système n'a pas de nom."_s);
    else if (const QString raison = defautDeNom(nom); !raison.isEmpty())
        defaut(u"nom"_s, raison);
    else if (trouveSysteme(nom))
        defaut(u"nom"_s,
               u"« %1 » est un système de la liste : choisissez un autre nom."_s.arg(nom));

    for (const ChampSysteme &champ : champsSysteme()) {
        const QString cle = QLatin1String(champ.cle);
        if (champ.genre != ChampSysteme::Texte) {
            if (const QString raison = champ.regle ? champ.regle(s) : QString(); !raison.isEmpty())
                defaut(cle, raison);
            continue;
        }
        const QString &texte = s.*champ.texte;
        if (!champ.estPresent(s)) {
            if (!texte.isEmpty())
                defaut(cle, u"l'élément est absent : il n'a pas de nom."_s);
        } else if (texte.trimmed().isEmpty()) {
            defaut(cle, u"le nom est vide."_s);
        } else if (const QString raison = defautDeNom(texte); !raison.isEmpty()) {
            defaut(cle, raison);
        }
    }
    return defauts;
}
