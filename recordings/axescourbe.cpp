// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/axescourbe.h"

#include <QPainter>

namespace {
const QColor couleurValeur(0, 128, 128);
const QColor couleurConsigne(128, 128, 0);
const QColor couleurReference(150, 150, 150);
// Apart from the three curves' colours, dark enough to read on white.
const QColor couleurEtape(176, 80, 0);
// Ticks between two time labels: the grid's vertical lines.
constexpr int pasTemps = 50;
// Where the legend starts on the title's line.
constexpr int debutLegende = 185;
// A step's name, under the top of the surface.
constexpr int margeTexteEtape = 1;
} // namespace

AxesCourbe::AxesCourbe(QWidget *cadre, QWidget *surface) : QWidget(cadre), m_surface(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(cadre->rect());
    QFont police = font();
    police.setBold(false);
    setFont(police);
}

void AxesCourbe::setGraduations(const QList<Graduation> &graduations)
{
    m_graduations = graduations;
    update();
}

void AxesCourbe::setReference(const QString &situation)
{
    m_reference = situation;
    update();
}

void AxesCourbe::setUnite(const QString &unite)
{
    m_unite = unite;
    update();
}

void AxesCourbe::setVitesseModifiee(bool modifiee)
{
    if (modifiee == m_vitesseModifiee)
        return;
    m_vitesseModifiee = modifiee;
    update();
}

void AxesCourbe::setEtapes(const QList<Etape> &etapes)
{
    m_etapes = etapes;
    update();
}

QList<AxesCourbe::Libelle> AxesCourbe::libelles() const
{
    QList<Libelle> libelles;
    const QRect surface = m_surface->geometry();
    const QFontMetrics mesures = fontMetrics();
    const auto place = [&mesures](int gauche, int haut, const QString &texte) {
        return Libelle{QRect(gauche, haut, mesures.horizontalAdvance(texte), mesures.height()),
                       texte, QRect(), QColor(), false};
    };

    // Values, in the right margin, each level with its line.
    for (const Graduation &g : std::as_const(m_graduations))
        libelles << place(surface.right() + 5, surface.top() + g.ligne - mesures.height() / 2,
                          g.texte);

    // Time, under the surface: its unit at the start (with a word when the
    // speed changed during the recording), then the ticks every 50 columns,
    // those the unit leaves room for.
    const int basTemps = surface.bottom() + 1;
    const QString unite =
        m_vitesseModifiee ? QStringLiteral("tops (vitesse modifiée)") : QStringLiteral("tops");
    libelles << place(surface.left(), basTemps, unite);
    const int finUnite = libelles.last().rect.right() + 5;
    for (int colonne = pasTemps; colonne < surface.width(); colonne += pasTemps) {
        const QString texte = QString::number(colonne);
        const int gauche = surface.left() + colonne - mesures.horizontalAdvance(texte) / 2;
        if (gauche >= finUnite)
            libelles << place(gauche, basTemps, texte);
    }

    // The legend, on the title's line: a mark in each colour, then its name.
    const QString valeur = m_unite.isEmpty() ? QStringLiteral("valeur réglée")
                                             : QStringLiteral("valeur réglée (%1)").arg(m_unite);
    QList<std::pair<QColor, QString>> entrees{{couleurValeur, valeur},
                                              {couleurConsigne, QStringLiteral("valeur consigne")}};
    if (!m_reference.isEmpty())
        entrees.append({couleurReference, QStringLiteral("référence (%1)").arg(m_reference)});
    int x = debutLegende;
    const int milieu = mesures.height() / 2 + 1;
    for (const auto &[couleur, texte] : std::as_const(entrees)) {
        // The reference's situation is cut short where the box ends: the
        // exports say it whole.
        const int reste = m_surface->geometry().right() - (x + 15);
        Libelle entree = place(x + 15, 1, mesures.elidedText(texte, Qt::ElideRight, reste));
        entree.marque = QRect(x, milieu - 1, 12, 2);
        entree.couleur = couleur;
        libelles << entree;
        x = entree.rect.right() + 11;
    }

    // Each step: a line across the surface at its column, its name at the
    // top beside it, cut short before the next step's line.
    for (qsizetype i = 0; i < m_etapes.size(); ++i) {
        const int ligne = surface.left() + m_etapes[i].colonne;
        const int suivante =
            i + 1 < m_etapes.size() ? surface.left() + m_etapes[i + 1].colonne : surface.right();
        const QString nom =
            mesures.elidedText(m_etapes[i].nom, Qt::ElideRight, std::max(0, suivante - ligne - 4));
        Libelle etape = place(ligne + 2, surface.top() + margeTexteEtape, nom);
        etape.marque = QRect(ligne, surface.top(), 1, surface.height());
        etape.couleur = couleurEtape;
        etape.surLaSurface = true;
        libelles << etape;
    }
    return libelles;
}

void AxesCourbe::paintEvent(QPaintEvent *)
{
    // The numbers alone at the grid's lines: a mark beside them would read
    // as a minus sign.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Libelle &l : libelles()) {
        if (!l.marque.isNull())
            painter.fillRect(l.marque, l.couleur);
        if (l.surLaSurface && !l.texte.isEmpty())
            painter.fillRect(l.rect, Qt::white);
        painter.drawText(l.rect, Qt::AlignLeft | Qt::AlignTop, l.texte);
    }
}
