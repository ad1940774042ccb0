// SPDX-License-Identifier: GPL-3.0-or-later
// The window's context menus, and which one a right click or the keyboard
// opens: an element's experiment, the curve's, the recordings'. Each action
// is defined beside what it does (the experiments, the export, the
// reference); the menus only gather them.
#include "app/tform1.h"

#include "app/deroules.h"
#include "app/editeursystemes.h"
#include "app/seances.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

void TForm1::setUpMenus()
{
    m_menuEnregistrements = new QMenu(this);
    m_menuEnregistrements->setObjectName(QStringLiteral("menuEnregistrements"));
    m_menuEnregistrements->addActions(m_actionsExport);

    // The curve's menu: the recordings' actions, then the reference's.
    m_menuCourbe = new QMenu(this);
    m_menuCourbe->addActions(m_actionsExport);
    m_menuCourbe->addSeparator();
    m_menuCourbe->addActions({m_garderReference, m_effacerReference});

    // The window's own menu, on its free parts: the lessons, and the
    // recordings' actions for the keyboard.
    m_menuFenetre = new QMenu(this);
    m_menuFenetre->setObjectName(QStringLiteral("menuFenetre"));
    m_menuFenetre->addActions({m_seances->actionOuvrir(), m_seances->actionEnregistrer()});
    m_menuFenetre->addSeparator();
    m_menuFenetre->addActions(m_deroules->actions());
    m_menuFenetre->addSeparator();
    m_menuFenetre->addActions(m_editeurSystemes->actions());
    m_menuFenetre->addSeparator();
    m_menuFenetre->addActions(m_actionsExport);

    m_menuExperiences = new QMenu(QStringLiteral("Expériences"), this);
    m_menuExperiences->setObjectName(QStringLiteral("menuExperiences"));
    m_menuExperiences->setToolTipsVisible(true);
    for (QAction *action : m_actionsExperiences)
        m_menuExperiences->addAction(action);
    m_menuExperiences->addSeparator();
    m_menuExperiences->addAction(m_retablirTout);

    // From the keyboard: Ctrl+E opens the whole list over the scheme; in help
    // mode its note says what the experiments are.
    auto *experiences = new QAction(this);
    experiences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    experiences->setShortcutContext(Qt::WindowShortcut);
    connect(experiences, &QAction::triggered, this, [this] {
        if (SpeedButtonAide->isChecked())
            AfficheLeMemo(MemoAideExperiences);
        m_menuExperiences->exec(GroupBoxSystemeReglant->mapToGlobal(QPoint(20, 20)));
    });
    addAction(experiences);

    // Shift+F10 and the Menu key ask the element with the focus for its menu,
    // whatever the platform; the elements without one leave it to the
    // window, which offers the recordings'.
    auto *clavier = new QAction(this);
    clavier->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    clavier->setShortcutContext(Qt::WindowShortcut);
    connect(clavier, &QAction::triggered, this, [this] {
        QWidget *cible = QApplication::focusWidget();
        if (!cible || cible->window() != this)
            cible = this;
        const QPoint centre = cible->rect().center();
        QContextMenuEvent demande(QContextMenuEvent::Keyboard, centre, cible->mapToGlobal(centre));
        QApplication::sendEvent(cible, &demande);
    });
    addAction(clavier);
}

// The element's own experiment and "Rétablir tout", or none for an element
// that carries no experiment (or whose experiment this system lacks).
QMenu *TForm1::menuElement(const QWidget *element)
{
    QAction *action = experienceDeLElement(element);
    if (!action || !action->isVisible())
        return nullptr;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setToolTipsVisible(true);
    menu->addAction(action);
    menu->addSeparator();
    menu->addAction(m_retablirTout);
    return menu;
}

// A right click on an element of the scheme offers its experiment; on the
// strips or the curve, the recordings' menu, which the keyboard (the Menu key,
// Shift+F10) also opens wherever the element with the focus has no menu of
// its own.
void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        m_menuFenetre->exec(
            GroupBox1->mapToGlobal(QPoint(GroupBox1->width() / 4, GroupBox1->height() / 4)));
        return;
    }
    for (const QWidget *element = childAt(event->pos()); element && element != this;
         element = element->parentWidget()) {
        if (QMenu *menu = menuElement(element)) {
            menu->popup(event->globalPos());
            return;
        }
    }
    if (!GroupBoxCourbe->isHidden() && GroupBoxCourbe->geometry().contains(event->pos()))
        m_menuCourbe->exec(event->globalPos());
    else if (GroupBox1->geometry().contains(event->pos()))
        m_menuEnregistrements->exec(event->globalPos());
    else
        m_menuFenetre->exec(event->globalPos());
}
