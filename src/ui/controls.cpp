#include "controls.h"

#include "warmup.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace wagecourt::ui {

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

QColor toQColor(ColorValue value)
{
    return QColor(colorRed(value), colorGreen(value), colorBlue(value));
}

Caption::Caption(QWidget *parent, bool autoSize) : QLabel(parent), m_autoSize(autoSize)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setTextFormat(Qt::PlainText);
}

void Caption::setCaption(const QString &caption)
{
    setText(caption);
    if (m_autoSize)
        resize(sizeHint());
}

void Caption::setTextColor(ColorValue color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    setPalette(palette);
}

LevelLabel::LevelLabel(QWidget *parent, int index) : Caption(parent, true), m_index(index)
{
    // Only the salary skills answer a click; the last three keep the arrow.
    if (index <= kSalarySkillCount)
        setCursor(Qt::PointingHandCursor);
}

void LevelLabel::setCaption(const QString &caption)
{
    // A font change costs a new text layout, so only undo a tightening that was made.
    if (font().letterSpacing() != 0) {
        QFont spaced = font();
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        setFont(spaced);
    }
    Caption::setCaption(caption);
    keepWithinLimit();
}

void LevelLabel::moveLeftEdge(int x)
{
    move(x, y());
    keepWithinLimit();
}

void LevelLabel::setRightLimit(int x)
{
    m_rightLimit = x;
    keepWithinLimit();
}

// The longest level names beside the longest captions of some languages reach
// past the window's edge or into the next column's captions. Rather than lose
// the end of the name or draw over a caption, its letters close up just enough.
void LevelLabel::keepWithinLimit()
{
    if (m_rightLimit <= 0 || text().size() < 2)
        return;
    // Glyphs land on whole pixels, so a first guess may fall a pixel short.
    const qreal gaps = qreal(text().size() - 1);
    qreal spacing = font().letterSpacing();
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int overflow = x() + width() - m_rightLimit;
        if (overflow <= 0)
            return;
        spacing -= std::max(qreal(overflow), 1.0) / gaps;
        QFont tighter = font();
        tighter.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        setFont(tighter);
        resize(sizeHint());
    }
}

void LevelLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseDown(m_index, buttonNumber(event->button()));
}

void LevelLabel::keyPressEvent(QKeyEvent *event)
{
    int button = 0;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Plus:
            button = 1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Minus:
            button = 2;
            break;
        default:
            break;
        }
    }
    if (button == 0) {
        Caption::keyPressEvent(event);
        return;
    }
    event->accept();
    emit mouseDown(m_index, button);
}

void LevelLabel::paintEvent(QPaintEvent *event)
{
    Caption::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

Picture::Picture(QWidget *parent, const QString &resource) : QLabel(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    const QPixmap pixmap = QPixmap::fromImage(resourcePicture(resource));
    setPixmap(pixmap);
    resize(pixmap.size());
}

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) // one press for one key stroke, as with Space
        click();
}

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : PushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

LanguageList::LanguageList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setAttribute(Qt::WA_NoMousePropagation);
    connect(this, &QComboBox::activated, this, &LanguageList::clicked);
}

void LanguageList::select(int index)
{
    setCurrentIndex(index);
    emit clicked();
}

ValueCheckBox::ValueCheckBox(QWidget *parent) : QCheckBox(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    connect(this, &QCheckBox::stateChanged, this, &ValueCheckBox::clickEvent);
}

int ValueCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    default:
        return 2;
    }
}

void ValueCheckBox::setValue(int value)
{
    setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

void ValueCheckBox::setLaidOutWidth(int width)
{
    m_laidOutWidth = width;
    resize(width, height());
}

void ValueCheckBox::setCaption(const QString &caption)
{
    setText(caption);
    resize(std::max(m_laidOutWidth, sizeHint().width()), height());
}

bool ValueCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace wagecourt::ui
