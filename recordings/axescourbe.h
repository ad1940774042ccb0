// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// The curve's axes and legend, drawn in its box's margins around the
// surface: the value graduations at the right, the time in ticks under it,
// and one legend line beside the title. The pointer passes through.
class AxesCourbe : public QWidget
{
public:
    struct Graduation
    {
        int ligne; // the surface's row
        QString texte;
    };

    AxesCourbe(QWidget *cadre, QWidget *surface);

    void setGraduations(const QList<Graduation> &graduations);
    void setReference(bool affichee);
    // The speed changed during the recording: the ticks are not all alike.
    void setVitesseModifiee(bool modifiee);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_surface;
    QList<Graduation> m_graduations;
    bool m_reference = false;
    bool m_vitesseModifiee = false;
};
