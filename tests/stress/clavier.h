// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The keys a pupil may press on any element, and the modifiers held with them.
inline constexpr Qt::Key touchesDuClavier[] = {
    Qt::Key_Space, Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Escape,    Qt::Key_Up,
    Qt::Key_Down,  Qt::Key_Left,    Qt::Key_Right,  Qt::Key_PageUp,    Qt::Key_PageDown,
    Qt::Key_Home,  Qt::Key_End,     Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Insert,
    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_F1,     Qt::Key_F4,        Qt::Key_Menu,
    Qt::Key_A,     Qt::Key_V,       Qt::Key_X,      Qt::Key_Z,         Qt::Key_0,
    Qt::Key_5,     Qt::Key_Plus,    Qt::Key_Minus,
};

inline constexpr Qt::KeyboardModifier modificateursDuClavier[] = {
    Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
