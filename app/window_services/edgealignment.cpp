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
            top -= child->height();
    }
    return std::max(top, 0);
}

// Children along the left edge keep their left, so that several of them stand
// side by side as laid out.
void place(QWidget *child, Edge edge)
{
    const QWidget *parent = child->parentWidget();
    if (edge == Edge::Bottom)
        child->setGeometry(0, parent->height() - child->height(), parent->width(), child->height());
    else
        child->setGeometry(child->x(), 0, child->width(), heightAboveBottom(parent));
}

class EdgeKeeper : public QObject
{
public:
    EdgeKeeper(QWidget *child, Edge edge) : QObject(child), m_child(child), m_edge(edge)
    {
        child->parentWidget()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && m_child && watched == m_child->parentWidget())
            place(m_child, m_edge);
        return false;
    }

private:
    QPointer<QWidget> m_child;
    Edge m_edge;
};
} // namespace

void alignToEdge(QWidget *child, Edge edge)
{
    if (!child || !child->parentWidget())
        return;
    child->setProperty(edgeProperty, int(edge));
    new EdgeKeeper(child, edge);
    place(child, edge);
    // A new bottom child takes room from those along the left edge.
    if (edge == Edge::Bottom) {
        const auto children =
            child->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *sibling : children) {
            if (alignedTo(sibling, Edge::Left))
                place(sibling, Edge::Left);
        }
    }
}
