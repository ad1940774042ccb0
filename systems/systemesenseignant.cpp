// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/systemesenseignant.h"

#include "systems/descriptionsysteme.h"

#include <QJsonDocument>
#include <QSettings>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString groupe = u"systemesEnseignant"_s;

} // namespace

SystemesEnseignant::SystemesEnseignant(QSettings *reglages) : m_reglages(reglages)
{
    if (!m_reglages)
        return;
    if (m_reglages->status() != QSettings::NoError) {
        m_laissesDeCote = u"réglages illisibles, systèmes des enseignants ignorés."_s;
    } else {
        lit();
    }
    if (!m_laissesDeCote.isEmpty())
        std::fprintf(stderr, "systemes-regulation : %s\n",
                     m_laissesDeCote.toLocal8Bit().constData());
}

// Only the entries within the bound are read, whatever count the settings
// give; what is left out is said once, in one line.
void SystemesEnseignant::lit()
{
    const int nombre = std::max(0, m_reglages->beginReadArray(groupe));
    const int lus = std::min(nombre, NombreMaxSystemesEnseignant);
    QStringList ecartes;
    for (int i = 0; i < lus; ++i) {
        m_reglages->setArrayIndex(i);
        const QVariant nom = m_reglages->value(u"nom"_s);
        const QVariant description = m_reglages->value(u"description"_s);
        const auto ecarte = [&](QString pourquoi) {
            if (pourquoi.endsWith(u'.'))
                pourquoi.chop(1);
            ecartes << u"n° %1%2 : %3"_s.arg(i + 1).arg(
                nom.typeId() == QMetaType::QString ? u" « %1 »"_s.arg(citation(nom.toString()))
                                                   : QString(),
                pourquoi);
        };
        if (nom.typeId() != QMetaType::QString) {
            ecarte(u"« nom » devrait être un texte"_s);
            continue;
        }
        if (description.typeId() != QMetaType::QString &&
            description.typeId() != QMetaType::QByteArray) {
            ecarte(u"« description » devrait être un texte"_s);
            continue;
        }
        const QByteArray octets = description.toByteArray();
        if (octets.size() > TailleMaxDescription) {
            ecarte(u"« description » dépasse %1 octets"_s.arg(TailleMaxDescription));
            continue;
        }
        const QJsonDocument document = QJsonDocument::fromJson(octets);
        if (!document.isObject()) {
            ecarte(u"« description » illisible"_s);
            continue;
        }
        const LectureDescription lecture = lisDescription(document.object());
        if (!lecture.systeme) {
            ecarte(u"« %1 » %2"_s.arg(lecture.defaut.champ, lecture.defaut.raison));
            continue;
        }
        if (trouve(nom.toString())) {
            ecarte(u"un autre système porte ce nom"_s);
            continue;
        }
        const QList<DefautSysteme> defauts = ajoute({nom.toString(), *lecture.systeme});
        if (!defauts.isEmpty())
            ecarte(u"« %1 » : %2"_s.arg(defauts[0].champ, defauts[0].raison));
    }
    m_reglages->endArray();
    if (nombre > lus)
        ecartes << u"%1 au-delà des %2 gardés au plus"_s.arg(nombre - lus)
                       .arg(NombreMaxSystemesEnseignant);
    if (ecartes.isEmpty())
        return;
    // A few reasons are enough to mend a file; the count says the rest.
    constexpr int raisonsDites = 3;
    m_laissesDeCote = u"réglages : systèmes des enseignants laissés de côté : "_s +
                      ecartes.mid(0, raisonsDites).join(u" ; "_s);
    if (ecartes.size() > raisonsDites)
        m_laissesDeCote += u" ; et %1 autres."_s.arg(ecartes.size() - raisonsDites);
    else
        m_laissesDeCote += u'.';
}

const ConfigurationSysteme *SystemesEnseignant::trouve(const QString &nom) const
{
    for (const SystemeEnseignant &s : m_systemes) {
        if (s.nom == nom)
            return &s.configuration;
    }
    return nullptr;
}

QStringList SystemesEnseignant::noms() const
{
    QStringList noms;
    for (const SystemeEnseignant &s : m_systemes)
        noms << s.nom;
    return noms;
}

QList<DefautSysteme> SystemesEnseignant::enregistre(const SystemeEnseignant &systeme)
{
    QList<DefautSysteme> defauts = ajoute(systeme);
    if (defauts.isEmpty())
        garde();
    return defauts;
}

QList<DefautSysteme> SystemesEnseignant::ajoute(const SystemeEnseignant &systeme)
{
    QList<DefautSysteme> defauts = valideSysteme(systeme.nom, systeme.configuration);
    if (!defauts.isEmpty())
        return defauts;
    const auto meme = std::find_if(m_systemes.begin(), m_systemes.end(),
                                   [&systeme](const auto &s) { return s.nom == systeme.nom; });
    if (meme != m_systemes.end()) {
        *meme = systeme;
    } else if (m_systemes.size() >= NombreMaxSystemesEnseignant) {
        return {{u"nom"_s, u"il y a déjà %1 systèmes de l'enseignant : supprimez-en un "
                           u"d'abord."_s.arg(NombreMaxSystemesEnseignant)}};
    } else {
        m_systemes.append(systeme);
    }
    return {};
}

void SystemesEnseignant::supprime(const QString &nom)
{
    m_systemes.removeIf([&nom](const auto &s) { return s.nom == nom; });
    garde();
}

void SystemesEnseignant::garde() const
{
    if (!m_reglages)
        return;
    m_reglages->remove(groupe);
    m_reglages->beginWriteArray(groupe, int(m_systemes.size()));
    for (int i = 0; i < m_systemes.size(); ++i) {
        m_reglages->setArrayIndex(i);
        m_reglages->setValue(u"nom"_s, m_systemes[i].nom);
        m_reglages->setValue(u"description"_s,
                             QJsonDocument(descriptionEnJson(m_systemes[i].configuration))
                                 .toJson(QJsonDocument::Compact));
    }
    m_reglages->endArray();
    m_reglages->sync();
}
