#include "ui/playerbook/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>

namespace wagecourt::ui {

namespace {

// The rectangle moved as little as it takes to lie inside the area; its top
// left corner wins where it is larger.
QRect inside(QRect rect, const QRect &area)
{
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

} // namespace

QRect frameOver(const QRect &ownerFrame, const QSize &frame, const QRect &available)
{
    QRect placed(QPoint(), frame.boundedTo(available.size()));
    placed.moveCenter(ownerFrame.center());
    return inside(placed, available);
}

QRect frameBeside(const QRect &ownerFrame, const QSize &wanted, const QSize &least, const QRect &available)
{
    const QRect owner = ownerFrame.intersected(available);
    enum Side { Right, Left, Below, Above };
    const std::array<QRect, 4> rooms{
            QRect(QPoint(owner.right() + 1, available.top()), available.bottomRight()),
            QRect(available.topLeft(), QPoint(owner.left() - 1, available.bottom())),
            QRect(QPoint(available.left(), owner.bottom() + 1), available.bottomRight()),
            QRect(available.topLeft(), QPoint(available.right(), owner.top() - 1)),
    };
    // The side with room for the least size that leaves the most of the
    // wanted one; where none has, the one with the most room, the window
    // reaching over the owner as far as its least size takes it.
    int best = 0;
    bool bestFits = false;
    qint64 bestArea = -1;
    for (int side = 0; side < int(rooms.size()); ++side) {
        const QSize room = rooms[std::size_t(side)].size().expandedTo(QSize(0, 0));
        const QSize size = wanted.boundedTo(room);
        const bool fits = size.width() >= least.width() && size.height() >= least.height();
        const qint64 area = qint64(size.width()) * size.height();
        if ((fits && !bestFits) || (fits == bestFits && area > bestArea)) {
            best = side;
            bestFits = fits;
            bestArea = area;
        }
    }
    const QRect &room = rooms[std::size_t(best)];
    QRect placed(QPoint(), wanted.boundedTo(room.size()).expandedTo(least).boundedTo(available.size()));
    switch (best) {
    case Right: placed.moveTopLeft({room.left(), ownerFrame.top()}); break;
    case Left: placed.moveTopRight({room.right(), ownerFrame.top()}); break;
    case Below: placed.moveTopLeft({ownerFrame.left(), room.top()}); break;
    case Above: placed.moveBottomLeft({ownerFrame.left(), room.bottom()}); break;
    }
    return inside(placed, available);
}

QMargins frameMargins(const QWidget *window, const QWidget *owner)
{
    const QWidget *framed = window->isVisible() ? window : owner;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void setFrameGeometry(QWidget *window, const QRect &frame, const QMargins &margins)
{
    window->resize(frame.marginsRemoved(margins).size());
    window->move(frame.topLeft()); // a window's place is its frame's
}

namespace {

// Watches a window's first moves and resizes, which come as it is framed, for a second.
class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget *window, const QRect &available) : QObject(window), m_window(window), m_available(available)
    {
        window->installEventFilter(this);
        QTimer::singleShot(kWatchMilliseconds, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window
            && (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show))
            QTimer::singleShot(0, this, &FrameWatcher::fit);
        return false;
    }

private:
    static constexpr int kWatchMilliseconds = 1000;

    void fit()
    {
        const QRect frame = m_window->frameGeometry();
        if (!m_window->isVisible() || m_available.contains(frame))
            return;
        const QMargins margins = frameMargins(m_window, m_window);
        const QSize least = m_window->minimumSizeHint().expandedTo(m_window->minimumSize()).grownBy(margins);
        QRect fitted = frame.intersected(m_available);
        if (fitted.width() < least.width() || fitted.height() < least.height())
            fitted = inside(QRect(frame.topLeft(), frame.size().boundedTo(m_available.size())), m_available);
        setFrameGeometry(m_window, fitted, margins);
    }

    QWidget *m_window;
    QRect m_available;
};

} // namespace

void keepInsideWhenFramed(QWidget *window, const QRect &available)
{
    new FrameWatcher(window, available);
}

QRect availableArea(const QWidget *owner)
{
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace wagecourt::ui
