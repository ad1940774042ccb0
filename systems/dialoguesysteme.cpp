// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/dialoguesysteme.h"

#include "systems/champssysteme.h"
#include "systems/valeursysteme.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace {

// An effector is there with its pathway: the teacher does not choose it.
void suitLesVoies(ConfigurationSysteme &s)
{
    for (const ChampSysteme &champ : champsSysteme()) {
        if (!champ.libelle)
            champ.change(s, champ.estPresent(s) ? 1 : 0);
    }
}

QComboBox *choixMode(const ChampSysteme &champ)
{
    auto *choix = new QComboBox;
    choix->addItem(u"nerveuse"_s, int(ModeNerveux));
    choix->addItem(u"hormonale"_s, int(ModeHormonal));
    if (champ.aucune)
        choix->addItem(QString::fromUtf8(champ.aucune), int(ModeAbsent));
    return choix;
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

    for (const ChampSysteme &champ : champsSysteme()) {
        if (!champ.libelle)
            continue;
        QWidget *saisie = nullptr;
        switch (champ.genre) {
        case ChampSysteme::Texte:
            saisie = new QLineEdit;
            break;
        case ChampSysteme::Mode:
            saisie = choixMode(champ);
            break;
        case ChampSysteme::Entier: {
            auto *nombre = new QSpinBox;
            // Wider than the bars, so that a value they cannot take is said so.
            nombre->setRange(-99999, 99999);
            saisie = nombre;
            break;
        }
        case ChampSysteme::Valeur:
            saisie = new QDoubleSpinBox;
            break;
        }
        m_saisies.append({&champ, saisie});
        ajoute(QLatin1String(champ.cle), QString::fromUtf8(champ.libelle), saisie);
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
    for (const Saisie &saisie : std::as_const(m_saisies)) {
        if (auto *texte = qobject_cast<QLineEdit *>(saisie.widget))
            connect(texte, &QLineEdit::textChanged, this, &DialogueSysteme::valide);
        else if (auto *mode = qobject_cast<QComboBox *>(saisie.widget))
            connect(mode, &QComboBox::currentIndexChanged, this, &DialogueSysteme::valide);
        else if (auto *nombre = qobject_cast<QSpinBox *>(saisie.widget)) {
            if (saisie.champ->entier == &ConfigurationSysteme::Decimales)
                connect(nombre, &QSpinBox::valueChanged, this, &DialogueSysteme::suitLesDecimales);
            connect(nombre, &QSpinBox::valueChanged, this, &DialogueSysteme::valide);
        } else if (auto *valeur = qobject_cast<QDoubleSpinBox *>(saisie.widget))
            connect(valeur, &QDoubleSpinBox::valueChanged, this, &DialogueSysteme::valide);
    }
    suitLesDecimales(0);
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
    // The table puts the range before the starting value and the steps.
    for (const Saisie &saisie : std::as_const(m_saisies)) {
        const QVariant valeur = saisie.champ->valeur(s);
        if (auto *texte = qobject_cast<QLineEdit *>(saisie.widget))
            texte->setText(valeur.toString());
        else if (auto *mode = qobject_cast<QComboBox *>(saisie.widget))
            mode->setCurrentIndex(std::max(0, mode->findData(valeur.toInt())));
        else if (auto *nombre = qobject_cast<QSpinBox *>(saisie.widget))
            nombre->setValue(valeur.toInt());
        else if (auto *nombre = qobject_cast<QDoubleSpinBox *>(saisie.widget))
            nombre->setValue(valeur.toDouble());
    }
    valide();
}

SystemeEnseignant DialogueSysteme::systeme() const
{
    ConfigurationSysteme s{};
    for (const Saisie &saisie : m_saisies) {
        if (auto *texte = qobject_cast<QLineEdit *>(saisie.widget))
            saisie.champ->change(s, texte->text().trimmed());
        else if (auto *mode = qobject_cast<QComboBox *>(saisie.widget))
            saisie.champ->change(s, mode->currentData());
        else if (auto *nombre = qobject_cast<QSpinBox *>(saisie.widget))
            saisie.champ->change(s, nombre->value());
        else if (auto *nombre = qobject_cast<QDoubleSpinBox *>(saisie.widget))
            saisie.champ->change(s, nombre->value());
    }
    suitLesVoies(s);
    for (const ChampSysteme &champ : champsSysteme()) {
        if (champ.genre == ChampSysteme::Texte && !champ.estPresent(s))
            champ.change(s, QString());
    }
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
        for (const Saisie &saisie : std::as_const(m_saisies)) {
            const QString cle = QLatin1String(saisie.champ->cle);
            if (saisie.champ->genre != ChampSysteme::Texte || !saisie.widget->isEnabled() ||
                aUnDefaut(cle))
                continue;
            if (const QString conseil =
                    m_place(cle, saisie.champ->valeur(s.configuration).toString());
                !conseil.isEmpty())
                m_conseils.append({cle, conseil});
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

void DialogueSysteme::suitLesDecimales(int decimales)
{
    decimales = std::clamp(decimales, 0, DecimalesMax);
    const double unite = pasParUnite(decimales);
    for (const Saisie &saisie : std::as_const(m_saisies)) {
        if (auto *nombre = qobject_cast<QDoubleSpinBox *>(saisie.widget)) {
            const QSignalBlocker bloque(nombre);
            nombre->setDecimals(decimales);
            // Wider than the bars, so that a value they cannot take is said so.
            nombre->setRange(-99999 / unite, 99999 / unite);
            nombre->setSingleStep(1 / unite);
        }
    }
}

void DialogueSysteme::suitLesModes()
{
    // The names of the elements the modes chosen leave out cannot be typed.
    ConfigurationSysteme modes{};
    for (const Saisie &saisie : std::as_const(m_saisies)) {
        if (auto *mode = qobject_cast<QComboBox *>(saisie.widget))
            saisie.champ->change(modes, mode->currentData());
    }
    suitLesVoies(modes);
    for (const Saisie &saisie : std::as_const(m_saisies)) {
        if (saisie.champ->genre == ChampSysteme::Texte)
            saisie.widget->setEnabled(saisie.champ->estPresent(modes));
    }
}
