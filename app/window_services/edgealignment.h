// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a child along an edge of its parent when the parent is resized: along
// the left edge it spans the height above the widgets aligned to the bottom,
// along the bottom edge it spans the whole width.
enum class Edge
{
    Left,
    Bottom
};
void alignToEdge(QWidget *child, Edge edge);
