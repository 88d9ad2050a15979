#include "state/LayoutEditing.h"

#include <algorithm>

namespace {

// `value` kept within [low, high], widened so that `start` itself always fits: a
// press that does not move changes nothing.
int ClampAround(int value, int start, int low, int high)
{
    return std::clamp(value, std::min(low, start), std::max(high, start));
}

} // namespace

LayoutEditGrip EditGripAt(QSize itemSize, QPoint pressed)
{
    // A small item keeps most of itself for moving.
    const int grip = std::min(kResizeGripSize, std::min(itemSize.width(), itemSize.height()) / 3);
    const bool inCorner =
        pressed.x() >= itemSize.width() - grip && pressed.y() >= itemSize.height() - grip;
    return inCorner ? LayoutEditGrip::Resize : LayoutEditGrip::Move;
}

QRect EditedGeometry(const QRect& start, LayoutEditGrip grip, QPoint delta, QSize area)
{
    if (grip == LayoutEditGrip::Resize) {
        // The lower-right corner stays inside the area, where it can be grabbed again.
        const int width = ClampAround(start.width() + delta.x(), start.width(), kEditedMinimumSize,
                                      area.width() - start.left());
        const int height = ClampAround(start.height() + delta.y(), start.height(),
                                       kEditedMinimumSize, area.height() - start.top());
        return QRect(start.topLeft(), QSize(width, height));
    }
    const int left =
        ClampAround(start.left() + delta.x(), start.left(), kEditedVisiblePart - start.width(),
                    area.width() - kEditedVisiblePart);
    const int top =
        ClampAround(start.top() + delta.y(), start.top(), kEditedVisiblePart - start.height(),
                    area.height() - kEditedVisiblePart);
    return QRect(QPoint(left, top), start.size());
}

std::vector<int> ReadingOrder(const std::vector<QRect>& boxes, const QRect& area)
{
    std::vector<int> order;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].intersects(area))
            order.push_back(int(i));
    std::stable_sort(order.begin(), order.end(), [&boxes](int a, int b) {
        const QRect& first = boxes[std::size_t(a)];
        const QRect& second = boxes[std::size_t(b)];
        return first.top() != second.top() ? first.top() < second.top()
                                           : first.left() < second.left();
    });
    return order;
}
