// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/groupbox.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

GroupBox::GroupBox(QWidget *parent) : QGroupBox(parent) {}

void GroupBox::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_look.isNull() || m_look.devicePixelRatio() != ratio || m_lookTitle != title()) {
        m_look = QPixmap(size() * ratio);
        m_look.setDevicePixelRatio(ratio);
        m_look.fill(Qt::transparent);
        QStylePainter look(&m_look, this);
        // A painter on a pixmap does not take the widget's font by itself.
        look.setFont(font());
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        look.drawComplexControl(QStyle::CC_GroupBox, option);
        m_lookTitle = title();
    }
    QPainter painter(this);
    for (const QRect &part : event->region())
        painter.drawPixmap(part, m_look,
                           QRectF(QPointF(part.topLeft()) * ratio, part.size() * ratio));
}

void GroupBox::resizeEvent(QResizeEvent *event)
{
    m_look = QPixmap();
    QGroupBox::resizeEvent(event);
}

void GroupBox::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
        m_look = QPixmap();
        break;
    default:
        break;
    }
    QGroupBox::changeEvent(event);
}
