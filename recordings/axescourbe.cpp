// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/axescourbe.h"

#include <QPainter>

namespace {
const QColor couleurValeur(0, 128, 128);
const QColor couleurConsigne(128, 128, 0);
const QColor couleurReference(150, 150, 150);
// Ticks between two time labels: the grid's vertical lines.
constexpr int pasTemps = 50;
// Where the legend starts on the title's line.
constexpr int debutLegende = 185;
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

void AxesCourbe::setReference(bool affichee)
{
    m_reference = affichee;
    update();
}

void AxesCourbe::setVitesseModifiee(bool modifiee)
{
    m_vitesseModifiee = modifiee;
    update();
}

void AxesCourbe::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect surface = m_surface->geometry();
    const QFontMetrics mesures = fontMetrics();
    painter.setPen(palette().color(QPalette::WindowText));

    // Values, in the right margin, each level with its line.
    for (const Graduation &g : std::as_const(m_graduations)) {
        const int y = surface.top() + g.ligne;
        painter.drawLine(surface.right() + 1, y, surface.right() + 3, y);
        painter.drawText(QRect(surface.right() + 5, y - mesures.height() / 2,
                               width() - surface.right() - 6, mesures.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, g.texte);
    }

    // Time, under the surface: its unit at the start (with a word when the
    // speed changed during the recording), then the ticks every 50 columns,
    // those the unit leaves room for.
    const int basTemps = surface.bottom() + 1;
    const QString unite =
        m_vitesseModifiee ? QStringLiteral("tops (vitesse modifiée)") : QStringLiteral("tops");
    painter.drawText(QPoint(surface.left(), basTemps + mesures.ascent()), unite);
    const int finUnite = surface.left() + mesures.horizontalAdvance(unite) + 4;
    for (int colonne = pasTemps; colonne < surface.width(); colonne += pasTemps) {
        const QString texte = QString::number(colonne);
        const int gauche = surface.left() + colonne - mesures.horizontalAdvance(texte) / 2;
        if (gauche >= finUnite)
            painter.drawText(QPoint(gauche, basTemps + mesures.ascent()), texte);
    }

    // The legend, on the title's line.
    struct Entree
    {
        QColor couleur;
        QString texte;
    };
    QList<Entree> entrees{{couleurValeur, QStringLiteral("valeur réglée")},
                          {couleurConsigne, QStringLiteral("valeur consigne")}};
    if (m_reference)
        entrees << Entree{couleurReference, QStringLiteral("référence")};
    int x = debutLegende;
    const int milieu = mesures.height() / 2 + 1;
    for (const Entree &e : std::as_const(entrees)) {
        painter.fillRect(x, milieu - 1, 12, 2, e.couleur);
        x += 15;
        painter.drawText(QPoint(x, mesures.ascent() + 1), e.texte);
        x += mesures.horizontalAdvance(e.texte) + 10;
    }
}
