#pragma once

#include "usecases/playerview.h"
#include "engine/playerstate.h"
#include "presentation/advicetext.h"

#include <QBasicTimer>
#include <QLabel>
#include <QPointer>

#include <memory>

namespace wagecourt::ui {

struct Form1Controls;

// A tooltip window that looks and hides like the platform's own, but can also
// draw the salary-by-position chart, and can stay up through a click on its
// widget so that it follows the level that click changed.
class TipWindow : public QLabel
{
    Q_OBJECT

public:
    TipWindow();

    // Shows the text for owner near globalPos. With keepOnOwnerClick a press
    // on owner leaves the tip up, for its owner to refresh.
    void showText(QWidget *owner, const QPoint &globalPos, const QString &text, bool keepOnOwnerClick);
    // Shows the bars as a chart; text() holds them as lines for screen readers.
    void showChart(QWidget *owner, const QPoint &globalPos, const QList<PositionBar> &bars);
    void hideTip();

    // The widget whose tip is up, or null.
    QWidget *owner() const { return isVisible() ? m_owner.data() : nullptr; }
    QPoint cursor() const { return m_cursor; } // where the pointer was when it was asked for
    const QList<PositionBar> &bars() const { return m_bars; } // empty when it shows text

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void showFor(QWidget *owner, const QPoint &globalPos);
    void place();
    void paintChart(QPainter &painter);

    QPointer<QWidget> m_owner;
    QPoint m_cursor;
    bool m_keepOnOwnerClick = false;
    QList<PositionBar> m_bars;
    QBasicTimer m_expire;
    QBasicTimer m_leave;
};

// Form1's tooltips, each built from the player state when it is asked for, so
// that a click costs nothing more and the tip always shows what is current.
class Form1Tips : public QObject
{
    Q_OBJECT

public:
    Form1Tips(const Form1Controls &ui, const PlayerState &state, QObject *parent);
    ~Form1Tips() override;

    QString levelTipText(int index) const; // level label 1 to 13
    QList<PositionBar> positionChart() const;

    // After anything the window shows changed: a tip that is up shows what is current.
    void refresh();

    TipWindow *window() const { return m_window.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TipWindow &tipWindow();
    std::optional<usecase::PlayerView> view() const; // the player shown, in the language chosen
    void show(QWidget *owner, const QPoint &globalPos);

    const Form1Controls &ui;
    const PlayerState &m_state;
    std::unique_ptr<TipWindow> m_window; // made on the first hover
};

} // namespace wagecourt::ui
