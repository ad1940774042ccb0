// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/edgealignment.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {
const char *const edgeProperty = "regulationAlignedEdge";

bool alignedTo(const QWidget *widget, Edge edge)
{
    const QVariant value = widget->property(edgeProperty);
    return value.isValid() && value.toInt() == int(edge);
}

// The height left above the children kept along the bottom edge.
int heightAboveBottom(const QWidget *parent)
{
    int top = parent->height();
    const auto children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        if (alignedTo(child, Edge::Bottom) && !child->isHidden())
            top = std::min(top, child->y());
    }
    return std::max(top, 0);
}

// The lowest edge of the parent's other children, those not kept along an edge.
int lowestChildBottom(const QWidget *parent)
{
    int bottom = 0;
    const auto children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        if (!child->property(edgeProperty).isValid() && !child->isHidden())
            bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    return bottom;
}

// Children along the left edge keep their left, so that several of them stand
// side by side as laid out. A child along the bottom edge never covers another
// child (the curve shown under the strips, say): in a window too short for
// both it goes below the window's edge instead.
void place(QWidget *child, Edge edge)
{
    const QWidget *parent = child->parentWidget();
    if (edge == Edge::Bottom) {
        const int top = std::max(parent->height() - child->height(), lowestChildBottom(parent));
        child->setGeometry(0, top, parent->width(), child->height());
    } else {
        child->setGeometry(child->x(), 0, child->width(), heightAboveBottom(parent));
    }
}

void placeAll(const QWidget *parent)
{
    const auto children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (Edge edge : {Edge::Bottom, Edge::Left}) {
        for (QWidget *child : children) {
            if (alignedTo(child, edge))
                place(child, edge);
        }
    }
}

// Places the children kept along the edges again when their parent changes
// size or, for the bottom edge, when another child shows, hides or moves.
class EdgeKeeper : public QObject
{
public:
    EdgeKeeper(QWidget *child, Edge edge) : QObject(child), m_child(child)
    {
        QWidget *parent = child->parentWidget();
        parent->installEventFilter(this);
        if (edge != Edge::Bottom)
            return;
        const auto siblings = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *sibling : siblings) {
            if (sibling != child)
                sibling->installEventFilter(this);
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_child)
            return false;
        const QEvent::Type type = event->type();
        const bool parentResized = watched == m_child->parentWidget() && type == QEvent::Resize;
        const bool siblingMoved = watched != m_child->parentWidget() &&
                                  (type == QEvent::ShowToParent || type == QEvent::HideToParent ||
                                   type == QEvent::Move || type == QEvent::Resize);
        if (parentResized || siblingMoved)
            placeAll(m_child->parentWidget());
        return false;
    }

private:
    QPointer<QWidget> m_child;
};
} // namespace

void alignToEdge(QWidget *child, Edge edge)
{
    if (!child || !child->parentWidget())
        return;
    child->setProperty(edgeProperty, int(edge));
    new EdgeKeeper(child, edge);
    // A new bottom child takes room from those along the left edge.
    placeAll(child->parentWidget());
}
