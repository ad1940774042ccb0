// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// Teaches Qt's accessibility layer how the window's own controls read to
// assistive technology: a picture box as a graphic named after what it shows
// (with its state in words when it has one), a panel as a pane named only when
// it is given a name, a value bar as a slider and a value field as a
// read-only value, both read with their unit. Safe to call
// more than once; call it before the window is built.
void installAccessibleInterfaces();

// The value of a value bar or value field with its unit ("37 °C"), as a
// screen reader reads it.
QString valueWithUnit(const QWidget *control);
