#include "WindowGeometry.h"

#include <algorithm>

QRect FittedGeometry(const QRect& wanted, const QList<QRect>& availableAreas)
{
    if (availableAreas.isEmpty())
        return wanted;
    QRect area = availableAreas.first();
    qint64 best = 0;
    for (const QRect& candidate : availableAreas) {
        const QRect overlap = candidate.intersected(wanted);
        const qint64 size = overlap.isValid() ? qint64(overlap.width()) * overlap.height() : 0;
        if (size > best) {
            best = size;
            area = candidate;
        }
    }
    QRect fitted = wanted;
    fitted.setWidth(std::clamp(wanted.width(), 1, std::max(1, area.width())));
    fitted.setHeight(std::clamp(wanted.height(), 1, std::max(1, area.height())));
    fitted.moveLeft(std::clamp(wanted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(wanted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}
