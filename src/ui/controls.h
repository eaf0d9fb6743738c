#pragma once

#include "engine/playerstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class QTextLayout;

namespace wagecourt::ui {

// Mouse buttons as the handlers number them: 1 left, 2 right, 4 middle, 0 any other.
int buttonNumber(Qt::MouseButton button);

QColor toQColor(ColorValue value);

// A label of the window. An auto-size label takes its caption's width and one
// line's height each time the caption changes, keeping its left edge, so its
// width can be read right after. Presses on a label never reach the window.
class Caption : public QLabel
{
    Q_OBJECT

public:
    Caption(QWidget *parent, bool autoSize);

    QString caption() const { return text(); }
    virtual void setCaption(const QString &caption);
    void setTextColor(ColorValue color);

    // The font the layout gives the label at the screen's scale, and how far
    // its text is struck again to the right where that font's bold is drawn
    // from outlines no bolder than its regular ones (see boldOverstrike()).
    void setLayoutFont(const QFont &font, qreal overstrike);

    // Where an auto-size label's text must end: a line of the card, the
    // window's edge, or the next column. 0 sets no limit.
    void setRightLimit(int x);

    int heightForWidth(int width) const override;

protected:
    void keepWithinLimit();
    void paintEvent(QPaintEvent *event) override;

private:
    // The line spacing a wrapped text is drawn with where its face's own is
    // wider than the toolkit's, else 0 (see faceLineSpacing()).
    qreal wrappedLineSpacing() const;
    // The lines of a wrapped text at that spacing; returns their height.
    qreal layOutLines(QTextLayout &layout, int width) const;

    bool m_autoSize;
    int m_rightLimit = 0;
    QFont m_layoutFont;
    bool m_tightened = false; // the font is m_layoutFont closed up or narrowed
    qreal m_overstrike = 0;
    int m_inkAbove = 0; // pixels the label reaches above its line for its text's ink
};

// One member of the level label array; reports a press with its index and button.
class LevelLabel : public Caption
{
    Q_OBJECT

public:
    LevelLabel(QWidget *parent, int index);

    int index() const { return m_index; }

    void setCaption(const QString &caption) override;
    void moveLeftEdge(int x);

signals:
    void mouseDown(int index, int button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // Up, Right and + step the level up, Down, Left and - down: the left and
    // right button's presses, for a label reached with Tab.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index;
};

// A push button that Return and Enter press when it has the focus, as Space
// does; outside a dialog a plain one ignores them.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    PushButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A push button whose caption wraps onto a second line when it is too long
// for one, as long captions in some languages are.
class WrappingButton : public PushButton
{
    Q_OBJECT

public:
    WrappingButton(const QString &caption, QWidget *parent);

    // As Caption::setLayoutFont().
    void setLayoutFont(const QFont &font, qreal overstrike);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_overstrike = 0;
};

// A JPEG shown at its natural size, behind the labels. From 150 % on it is
// drawn from its version of twice the size, named "name@2x.jpg", so it stays sharp.
// It takes its natural size at once but is decoded only by showAt(): a picture
// first seen later, or in another language, costs no memory before then.
class Picture : public QLabel
{
    Q_OBJECT

public:
    Picture(QWidget *parent, const QString &resource);

    void showAt(qreal devicePixelRatio);
    // Another picture in the same place, such as the same scene in another language.
    void showResource(const QString &resource, qreal devicePixelRatio);

private:
    QString m_resource;
};

// The player's name on the card's bar, over the picture's placeholder: white
// on the bar's own colours, which it takes from a column of the picture that
// no text covers, and cut with an ellipsis where the bar is too short for it.
class CardName : public Caption
{
    Q_OBJECT

public:
    // bar: the rectangle of the card picture's bar it covers, in the picture's
    // pixels; clearColumn: a column of the bar that holds no text.
    CardName(QWidget *parent, const Picture *card, const QRect &bar, int clearColumn);

    // Shows the name, with a tip that says more; an empty name shows the picture's placeholder again.
    void setName(const QString &name, const QString &tip);
    const QString &name() const { return m_name; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    const Picture *m_card;
    QRect m_bar;
    int m_clearColumn;
    QString m_name;
};

// A few words that open something, drawn as a link: underlined, in the
// link colour, and cut with an ellipsis where their room is too small. The
// mouse reaches it; its tip names its key.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};

// The language list. Its click event follows every pick: the user's (even of
// the entry already selected) and the program's, at once and nested.
class LanguageList : public QComboBox
{
    Q_OBJECT

public:
    explicit LanguageList(QWidget *parent);

    void select(int index);

signals:
    void clicked();
};

// The check box as the handlers see it: value 0 clear, 1 ticked, 2 greyed. Its
// whole area is the button, and its click event also follows a value written
// by the program, at once and nested.
class ValueCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit ValueCheckBox(QWidget *parent);

    int value() const;
    void setValue(int value);

    // Widens the box past its laid-out width when a caption would not fit it.
    void setCaption(const QString &caption);
    void setLaidOutWidth(int width);

signals:
    void clickEvent();

protected:
    bool hitButton(const QPoint &pos) const override;

private:
    int m_laidOutWidth = 0;
};

} // namespace wagecourt::ui
