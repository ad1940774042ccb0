// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/dialoguesysteme.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fields in the order the teacher meets them, with their labels.
struct Champ
{
    const char *cle;
    const char *libelle;
};
const Champ champsTexte[] = {
    {"TexteValeurReglee", "&Valeur réglée"},
    {"TexteUnites", "&Unité"},
    {"TexteCapteur", "&Capteur"},
    {"TexteVoieSensitive", "Nom de la voie &sensitive"},
    {"TexteCentreIntegrateur", "Centre &intégrateur"},
    {"TexteVoieStimulatrice", "Nom de la voie s&timulatrice"},
    {"TexteEffecteurStimulateur", "&Effecteur stimulateur"},
    {"TexteVoieInhibitrice", "Nom de la voie in&hibitrice"},
    {"TexteEffecteurInhibiteur", "Effecteur inhi&biteur"},
};
const Champ champsNombres[] = {
    {"ValeurMin", "Mi&nimum"},  {"ValeurMax", "Ma&ximum"},  {"ValeurInitiale", "Valeur de &départ"},
    {"PetitPas", "&Petit pas"}, {"GrandPas", "&Grand pas"},
};

QComboBox *choixMode(const QList<std::pair<QString, ModeVoie>> &modes)
{
    auto *choix = new QComboBox;
    for (const auto &[texte, mode] : modes)
        choix->addItem(texte, int(mode));
    return choix;
}

ModeVoie modeChoisi(const QComboBox *choix)
{
    return ModeVoie(choix->currentData().toInt());
}

void choisitMode(QComboBox *choix, ModeVoie mode)
{
    choix->setCurrentIndex(std::max(0, choix->findData(int(mode))));
}

} // namespace

DialogueSysteme::DialogueSysteme(
    const QStringList &modeles, std::function<const ConfigurationSysteme *(const QString &)> trouve,
    PlaceTexte place, QWidget *parent)
    : QDialog(parent), m_trouve(std::move(trouve)), m_place(std::move(place))
{
    setWindowTitle(u"Système de l'enseignant"_s);
    auto *grille = new QGridLayout(this);
    int ligne = 0;
    const auto ajoute = [&](const QString &cle, const QString &libelle, QWidget *champ) {
        auto *etiquette = new QLabel(libelle + u" :"_s);
        etiquette->setBuddy(champ);
        champ->setAccessibleName(QString(libelle).remove(QLatin1Char('&')));
        grille->addWidget(etiquette, ligne, 0);
        grille->addWidget(champ, ligne, 1);
        if (!cle.isEmpty()) {
            auto *erreur = new QLabel;
            erreur->setTextFormat(Qt::PlainText);
            erreur->setWordWrap(true);
            erreur->setMinimumWidth(260);
            grille->addWidget(erreur, ligne, 2);
            m_erreurs.insert(cle, erreur);
            m_champs.insert(cle, champ);
        }
        ++ligne;
    };

    m_modele = new QComboBox;
    m_modele->addItems(modeles);
    ajoute(QString(), u"Partir du s&ystème"_s, m_modele);
    m_nom = new QLineEdit;
    ajoute(u"nom"_s, u"N&om du système"_s, m_nom);

    m_modeSensitif = choixMode({{u"nerveuse"_s, ModeNerveux},
                                {u"hormonale"_s, ModeHormonal},
                                {u"aucune (sensibilité directe)"_s, ModeAbsent}});
    m_modeStimulateur = choixMode({{u"nerveuse"_s, ModeNerveux}, {u"hormonale"_s, ModeHormonal}});
    m_modeInhibiteur = choixMode(
        {{u"nerveuse"_s, ModeNerveux}, {u"hormonale"_s, ModeHormonal}, {u"aucune"_s, ModeAbsent}});
    for (const Champ &c : champsTexte) {
        const QString cle = QLatin1String(c.cle);
        // Each pathway's mode just above its name.
        if (cle == u"TexteVoieSensitive"_s)
            ajoute(u"ModeVoieSensitive"_s, u"Voie sensitive"_s, m_modeSensitif);
        else if (cle == u"TexteVoieStimulatrice"_s)
            ajoute(u"ModeVoieStimulatrice"_s, u"Voie motrice stimulatrice"_s, m_modeStimulateur);
        else if (cle == u"TexteVoieInhibitrice"_s)
            ajoute(u"ModeVoieInhibitrice"_s, u"Voie motrice inhibitrice"_s, m_modeInhibiteur);
        auto *texte = new QLineEdit;
        m_textes.insert(cle, texte);
        ajoute(cle, QString::fromUtf8(c.libelle), texte);
    }
    for (const Champ &c : champsNombres) {
        auto *nombre = new QSpinBox;
        // Wider than the bars, so that a value they cannot take is said so.
        nombre->setRange(-99999, 99999);
        m_nombres.insert(QLatin1String(c.cle), nombre);
        ajoute(QLatin1String(c.cle), QString::fromUtf8(c.libelle), nombre);
    }

    m_boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_boutons->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    m_boutons->button(QDialogButtonBox::Cancel)->setText(u"Annuler"_s);
    grille->addWidget(m_boutons, ligne, 0, 1, 3);
    connect(m_boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(m_modele, &QComboBox::activated, this, [this] {
        if (const ConfigurationSysteme *modele = m_trouve(m_modele->currentText()))
            partDe(m_nom->text(), *modele);
    });
    connect(m_nom, &QLineEdit::textChanged, this, &DialogueSysteme::valide);
    for (QLineEdit *texte : std::as_const(m_textes))
        connect(texte, &QLineEdit::textChanged, this, &DialogueSysteme::valide);
    for (QComboBox *mode : {m_modeSensitif, m_modeStimulateur, m_modeInhibiteur})
        connect(mode, &QComboBox::currentIndexChanged, this, &DialogueSysteme::valide);
    for (QSpinBox *nombre : std::as_const(m_nombres))
        connect(nombre, &QSpinBox::valueChanged, this, &DialogueSysteme::valide);
    // The name first: the rest starts from the system on screen.
    m_nom->setFocus();
    valide();
}

void DialogueSysteme::partDe(const QString &nom, const ConfigurationSysteme &s,
                             const QString &modele)
{
    if (!modele.isEmpty())
        m_modele->setCurrentText(modele);
    m_nom->setText(nom);
    const std::pair<const char *, const QString *> textes[] = {
        {"TexteValeurReglee", &s.TexteValeurReglee},
        {"TexteUnites", &s.TexteUnites},
        {"TexteCapteur", &s.TexteCapteur},
        {"TexteVoieSensitive", &s.TexteVoieSensitive},
        {"TexteCentreIntegrateur", &s.TexteCentreIntegrateur},
        {"TexteVoieStimulatrice", &s.TexteVoieStimulatrice},
        {"TexteEffecteurStimulateur", &s.TexteEffecteurStimulateur},
        {"TexteVoieInhibitrice", &s.TexteVoieInhibitrice},
        {"TexteEffecteurInhibiteur", &s.TexteEffecteurInhibiteur},
    };
    for (const auto &[cle, texte] : textes)
        m_textes.value(QLatin1String(cle))->setText(*texte);
    choisitMode(m_modeSensitif, s.ModeVoieSensitive);
    choisitMode(m_modeStimulateur, s.ModeVoieStimulatrice);
    choisitMode(m_modeInhibiteur, s.ModeVoieInhibitrice);
    // The range first, so that the starting value and the steps are not
    // clamped by the spin boxes on the way.
    m_nombres.value(u"ValeurMin"_s)->setValue(s.ValeurMin);
    m_nombres.value(u"ValeurMax"_s)->setValue(s.ValeurMax);
    m_nombres.value(u"ValeurInitiale"_s)->setValue(s.ValeurInitiale);
    m_nombres.value(u"PetitPas"_s)->setValue(s.PetitPas);
    m_nombres.value(u"GrandPas"_s)->setValue(s.GrandPas);
    valide();
}

SystemeEnseignant DialogueSysteme::systeme() const
{
    const auto texte = [this](const char *cle) {
        return m_textes.value(QLatin1String(cle))->text().trimmed();
    };
    const auto nombre = [this](const char *cle) {
        return m_nombres.value(QLatin1String(cle))->value();
    };
    const bool inhibition = modeChoisi(m_modeInhibiteur) != ModeAbsent;
    ConfigurationSysteme s{texte("TexteCapteur"),
                           texte("TexteValeurReglee"),
                           texte("TexteVoieSensitive"),
                           modeChoisi(m_modeSensitif),
                           texte("TexteCentreIntegrateur"),
                           texte("TexteVoieStimulatrice"),
                           modeChoisi(m_modeStimulateur),
                           inhibition ? texte("TexteVoieInhibitrice") : QString(),
                           modeChoisi(m_modeInhibiteur),
                           texte("TexteEffecteurStimulateur"),
                           1,
                           inhibition ? texte("TexteEffecteurInhibiteur") : QString(),
                           inhibition ? 1 : 0,
                           texte("TexteUnites"),
                           nombre("ValeurInitiale"),
                           nombre("ValeurMin"),
                           nombre("ValeurMax"),
                           nombre("PetitPas"),
                           nombre("GrandPas")};
    return {m_nom->text().trimmed(), s};
}

void DialogueSysteme::valide()
{
    suitLesModes();
    const SystemeEnseignant s = systeme();
    m_defauts = valideSysteme(s.nom, s.configuration);
    const auto aUnDefaut = [this](const QString &champ) {
        return std::any_of(m_defauts.cbegin(), m_defauts.cend(),
                           [&champ](const DefautSysteme &d) { return d.champ == champ; });
    };
    // Another of the teacher's systems has that name already.
    if (!s.nom.isEmpty() && s.nom != m_nomPermis && m_trouve(s.nom) && !aUnDefaut(u"nom"_s))
        m_defauts.prepend({u"nom"_s, u"un de vos systèmes porte déjà ce nom."_s});
    m_conseils.clear();
    if (m_place) {
        if (!aUnDefaut(u"nom"_s))
            if (const QString conseil = m_place(u"nom"_s, s.nom); !conseil.isEmpty())
                m_conseils.append({u"nom"_s, conseil});
        for (auto it = m_textes.cbegin(); it != m_textes.cend(); ++it) {
            if (!it.value()->isEnabled() || aUnDefaut(it.key()))
                continue;
            if (const QString conseil = m_place(it.key(), it.value()->text().trimmed());
                !conseil.isEmpty())
                m_conseils.append({it.key(), conseil});
        }
    }
    for (auto it = m_erreurs.cbegin(); it != m_erreurs.cend(); ++it) {
        // What is wrong first; else what is advised.
        bool conseil = false;
        QString raison;
        for (const QList<DefautSysteme> *liste : {&m_defauts, &m_conseils}) {
            for (const DefautSysteme &d : *liste) {
                if (d.champ == it.key() && raison.isEmpty()) {
                    raison = d.raison;
                    conseil = liste == &m_conseils;
                }
            }
        }
        // Sentences start with a capital in the dialog.
        if (!raison.isEmpty())
            raison[0] = raison[0].toUpper();
        it.value()->setStyleSheet(conseil ? u"color: #805000;"_s : u"color: #b00000;"_s);
        it.value()->setText(raison);
        m_champs.value(it.key())->setAccessibleDescription(raison);
    }
    m_boutons->button(QDialogButtonBox::Ok)->setEnabled(m_defauts.isEmpty());
}

void DialogueSysteme::suitLesModes()
{
    const bool inhibition = modeChoisi(m_modeInhibiteur) != ModeAbsent;
    m_textes.value(u"TexteVoieInhibitrice"_s)->setEnabled(inhibition);
    m_textes.value(u"TexteEffecteurInhibiteur"_s)->setEnabled(inhibition);
}
