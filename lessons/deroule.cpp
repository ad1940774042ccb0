// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/deroule.h"

QList<EtapeDeroule> LectureDeroule::etapesAuTop(int top)
{
    QList<EtapeDeroule> etapes;
    // A step whose tick went by (a replay started late) is applied at once:
    // none is lost.
    while (m_suivante < m_deroule.etapes.size() && m_deroule.etapes[m_suivante].top <= top)
        etapes << m_deroule.etapes[m_suivante++];
    return etapes;
}

std::optional<DefautEtape> defautEtape(const EtapeDeroule &etape, const EtapeDeroule *precedente,
                                       int topMax, int minimum, int maximum)
{
    if (etape.top < 0 || etape.top > topMax)
        return DefautEtape{QStringLiteral("top"),
                           QStringLiteral("va de 0 à %1 (la largeur des bandes).").arg(topMax)};
    if (precedente && etape.top < precedente->top)
        return DefautEtape{QStringLiteral("top"),
                           QStringLiteral("précède celui de l'étape d'avant : les étapes vont "
                                          "dans l'ordre.")};
    const bool valeur = etape.action == EtapeDeroule::Action::ValeurReglee ||
                        etape.action == EtapeDeroule::Action::ValeurConsigne;
    if (valeur && (etape.valeur < minimum || etape.valeur > maximum))
        return DefautEtape{QStringLiteral("valeur"),
                           QStringLiteral("est hors de l'intervalle du système.")};
    if (etape.libelle.size() > libelleEtapeMax)
        return DefautEtape{QStringLiteral("libelle"),
                           QStringLiteral("dépasse %1 caractères.").arg(libelleEtapeMax)};
    for (const QChar c : etape.libelle) {
        if (c.category() == QChar::Other_Control)
            return DefautEtape{QStringLiteral("libelle"), QStringLiteral("tient sur une ligne.")};
    }
    return std::nullopt;
}

QString nomEtape(const EtapeDeroule &etape, const QString &lesion, const QString &element)
{
    if (!etape.libelle.isEmpty())
        return etape.libelle;
    switch (etape.action) {
    case EtapeDeroule::Action::ValeurReglee:
        return QStringLiteral("valeur réglée");
    case EtapeDeroule::Action::ValeurConsigne:
        return QStringLiteral("valeur consigne");
    case EtapeDeroule::Action::Experience:
        return etape.valeur ? QStringLiteral("%1 : %2").arg(lesion, element)
                            : QStringLiteral("rétablir : %1").arg(element);
    case EtapeDeroule::Action::RetablirTout:
        return QStringLiteral("tout rétabli");
    case EtapeDeroule::Action::GarderReference:
        return QStringLiteral("référence gardée");
    }
    return {};
}
