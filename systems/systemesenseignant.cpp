// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/systemesenseignant.h"

#include "systems/descriptionsysteme.h"

#include <QJsonDocument>
#include <QSettings>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString groupe = u"systemesEnseignant"_s;

void ignore(const QString &nom, const QString &pourquoi)
{
    std::fprintf(
        stderr, "%s\n",
        u"systemes-regulation : système « %1 » des réglages ignoré : %2"_s.arg(nom, pourquoi)
            .toLocal8Bit()
            .constData());
}

} // namespace

SystemesEnseignant::SystemesEnseignant(QSettings *reglages) : m_reglages(reglages)
{
    if (!m_reglages)
        return;
    if (m_reglages->status() != QSettings::NoError) {
        std::fputs("systemes-regulation : réglages illisibles, systèmes des enseignants "
                   "ignorés\n",
                   stderr);
        return;
    }
    const int nombre = m_reglages->beginReadArray(groupe);
    for (int i = 0; i < nombre; ++i) {
        m_reglages->setArrayIndex(i);
        const QString nom = m_reglages->value(u"nom"_s).toString();
        QJsonParseError erreur;
        const QJsonDocument document =
            QJsonDocument::fromJson(m_reglages->value(u"description"_s).toByteArray(), &erreur);
        if (!document.isObject()) {
            ignore(nom, u"description illisible."_s);
            continue;
        }
        const LectureDescription lecture = lisDescription(document.object());
        if (!lecture.systeme) {
            ignore(nom, u"« %1 » %2"_s.arg(lecture.defaut.champ, lecture.defaut.raison));
            continue;
        }
        const QList<DefautSysteme> defauts = valideSysteme(nom, *lecture.systeme);
        if (!defauts.isEmpty()) {
            ignore(nom, u"« %1 » : %2"_s.arg(defauts[0].champ, defauts[0].raison));
            continue;
        }
        if (trouve(nom)) {
            ignore(nom, u"un autre système porte ce nom."_s);
            continue;
        }
        m_systemes.append({nom, *lecture.systeme});
    }
    m_reglages->endArray();
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

void SystemesEnseignant::enregistre(const SystemeEnseignant &systeme)
{
    const auto meme = std::find_if(m_systemes.begin(), m_systemes.end(),
                                   [&systeme](const auto &s) { return s.nom == systeme.nom; });
    if (meme != m_systemes.end())
        *meme = systeme;
    else
        m_systemes.append(systeme);
    garde();
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
