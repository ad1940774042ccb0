// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// The curve's axes and legend, drawn in its box's margins around the
// surface: the value graduations at the right, the time in ticks under it,
// and one legend line beside the title. The pointer passes through.
class AxesCourbe : public QWidget
{
    Q_OBJECT

public:
    struct Graduation
    {
        int ligne; // the surface's row
        QString texte;
    };

    // A text of the axes or the legend where it is drawn, in the box's
    // coordinates; a legend entry also has its coloured mark.
    struct Libelle
    {
        QRect rect;
        QString texte;
        QRect marque;
        QColor couleur;
        // Written on the surface, over the curves: on white.
        bool surLaSurface = false;
    };

    // A step of a sequence: where it was applied, and its name.
    struct Etape
    {
        int colonne;
        QString nom;
    };

    AxesCourbe(QWidget *cadre, QWidget *surface);

    // Every text drawn, in drawing order: the values, the time's unit, the
    // time marks, the legend, the steps (each with its line across the
    // surface as its mark).
    QList<Libelle> libelles() const;

    void setGraduations(const QList<Graduation> &graduations);
    // The situation the reference curve was kept in; none when empty.
    void setReference(const QString &situation);
    // The values' unit, said once: beside the regulated value in the legend.
    void setUnite(const QString &unite);
    // The speed changed during the recording: the ticks are not all alike.
    void setVitesseModifiee(bool modifiee);
    // The steps of a sequence the rows name, in the columns' order.
    void setEtapes(const QList<Etape> &etapes);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_surface;
    QList<Graduation> m_graduations;
    QString m_unite;
    QString m_reference;
    bool m_vitesseModifiee = false;
    QList<Etape> m_etapes;
};
