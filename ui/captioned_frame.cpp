#include "ui/captioned_frame.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// The caption keeps this far from the frame's top edge and from its left side.
constexpr int kCaptionTop = 3;
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 3;

} // namespace

void CaptionedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(kCaptionLeft, kCaptionTop, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());

    // An etched line: the frame's three-dimensional look in any style.
    painter.setClipRegion(QRegion(rect()) - caption);
    qDrawShadeRect(&painter, rect().adjusted(0, caption.center().y(), 0, 0), palette(), true);
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}
