#include "ui/controls.h"

#include "ui/fonts.h"
#include "ui/picturecache.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

#include <array>

namespace wagecourt::ui {

namespace {

// Where the text of an overstruck bold is drawn: at its place, then halfway
// and all the way to the overstrike, so no seam shows in its strokes.
std::array<qreal, 3> strikeOffsets(qreal overstrike)
{
    return {0, overstrike / 2, overstrike};
}

} // namespace

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
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
    // A font change costs a new text layout, so only undo a tightening that was made.
    if (m_tightened) {
        setFont(m_layoutFont);
        m_tightened = false;
    }
    setText(caption);
    if (m_autoSize) {
        // The free Tahoma draws the dot of İ above its ascent, where a label one
        // line high would cut it off: such a label reaches up by that much,
        // its text staying where it was.
        int inkAbove = 0;
        if (caption.contains(u'\u0130'))
            inkAbove = std::max(0, -fontMetrics().boundingRect(caption).top() - fontMetrics().ascent());
        if (inkAbove != m_inkAbove) {
            move(x(), y() + m_inkAbove - inkAbove);
            setContentsMargins(0, inkAbove, 0, 0);
            m_inkAbove = inkAbove;
        }
        resize(sizeHint());
    }
    keepWithinLimit();
}

void Caption::setTextColor(ColorValue color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    setPalette(palette);
}

void Caption::setLayoutFont(const QFont &font, qreal overstrike)
{
    m_layoutFont = font;
    m_tightened = false;
    m_overstrike = overstrike;
    setFont(font);
    update();
}

qreal Caption::wrappedLineSpacing() const
{
    return wordWrap() && m_overstrike <= 0 ? ui::wrappedLineSpacing(font()) : 0;
}

qreal Caption::layOutLines(QTextLayout &layout, int width) const
{
    const qreal spacing = wrappedLineSpacing();
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, std::ceil(lines * spacing)));
    }
    layout.endLayout();
    return lines == 0 ? 0 : (lines - 1) * spacing + QFontMetricsF(font()).height();
}

int Caption::heightForWidth(int width) const
{
    if (wrappedLineSpacing() <= 0)
        return QLabel::heightForWidth(width);
    QTextLayout layout(text(), font(), this);
    const QMargins margins = contentsMargins();
    return qCeil(layOutLines(layout, width - margins.left() - margins.right())) + margins.top() + margins.bottom();
}

void Caption::paintEvent(QPaintEvent *event)
{
    if (wrappedLineSpacing() > 0) {
        // A wrapped text at its face's own line spacing, where the toolkit's
        // would let one line's descenders meet the next line's capitals.
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        QTextLayout layout(text(), font(), this);
        layOutLines(layout, contentsRect().width());
        layout.draw(&painter, contentsRect().topLeft());
        return;
    }
    if (m_overstrike <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    // One line of plain text, as the label draws it, struck again to the right.
    QPainter painter(this);
    const int alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    for (qreal offset : strikeOffsets(m_overstrike)) {
        painter.save();
        painter.translate(offset, 0);
        style()->drawItemText(&painter, contentsRect(), alignment, palette(), isEnabled(), text(), foregroundRole());
        painter.restore();
    }
}

void Caption::setRightLimit(int x)
{
    m_rightLimit = x;
    keepWithinLimit();
}

// The longest names and captions of some languages, in some faces, reach past
// the window's edge, into the next column or over a line of the card picture.
// Rather than lose the end of the text or draw over its neighbour, its letters
// close up just enough. In the scalable faces they close up a little only and
// the face narrows for the rest, so that no two letters run together; faces
// drawn as hinted black-and-white pixels lose their shapes when narrowed.
void Caption::keepWithinLimit()
{
    if (!m_autoSize || m_rightLimit <= 0 || text().size() < 2)
        return;
    constexpr qreal kMostClosing = -0.5;
    const bool mayNarrow = !(font().styleStrategy() & QFont::NoAntialias);
    auto tighten = [this](const QFont &tighter) {
        setFont(tighter);
        m_tightened = true;
        resize(sizeHint());
    };
    // Glyphs land on whole pixels, so a first guess may fall a pixel short.
    const qreal gaps = qreal(text().size() - 1);
    qreal spacing = font().letterSpacing();
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int overflow = x() + width() - m_rightLimit;
        if (overflow <= 0)
            return;
        if (mayNarrow && spacing <= kMostClosing)
            break;
        spacing -= std::max(qreal(overflow), 1.0) / gaps;
        if (mayNarrow)
            spacing = std::max(spacing, kMostClosing);
        QFont tighter = font();
        tighter.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        tighten(tighter);
    }
    for (int attempt = 0; mayNarrow && attempt < 4; ++attempt) {
        const int overflow = x() + width() - m_rightLimit;
        if (overflow <= 0)
            return;
        QFont narrower = font();
        const int stretch = narrower.stretch() > 0 ? narrower.stretch() : 100;
        narrower.setStretch(std::min(stretch - 1, int(stretch * qreal(width() - overflow) / width())));
        tighten(narrower);
    }
}

LevelLabel::LevelLabel(QWidget *parent, int index) : Caption(parent, true), m_index(index)
{
    // Only the salary skills answer a click; the last three keep the arrow.
    if (index <= kSalarySkillCount)
        setCursor(Qt::PointingHandCursor);
}

void LevelLabel::setCaption(const QString &caption)
{
    // QLabel keeps the text of a label that can take the focus as a whole text
    // document, which makes every new caption several times dearer to lay out.
    // Set while the label takes none, the caption is laid out as plain text, as
    // on every other label; the focus policy is back before anything can ask.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    Caption::setCaption(caption);
    setFocusPolicy(policy);
}

void LevelLabel::moveLeftEdge(int x)
{
    move(x, y());
    keepWithinLimit();
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
        case Qt::Key_Plus: button = 1; break;
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Minus: button = 2; break;
        default: break;
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

Picture::Picture(QWidget *parent, const QString &resource) : QLabel(parent), m_resource(resource)
{
    setAttribute(Qt::WA_NoMousePropagation);
    resize(QImageReader(resource).size()); // read from the header alone
}

void Picture::showAt(qreal devicePixelRatio)
{
    const int factor = picturePixelRatio(devicePixelRatio);
    QImage image = resourcePicture(pictureResource(m_resource, factor));
    image.setDevicePixelRatio(factor); // the natural size stays, in device-independent pixels
    const QPixmap pixmap = QPixmap::fromImage(image);
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}

void Picture::showResource(const QString &resource, qreal devicePixelRatio)
{
    m_resource = resource;
    showAt(devicePixelRatio);
}

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{}

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

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : PushButton(caption, parent)
{}

void WrappingButton::setLayoutFont(const QFont &font, qreal overstrike)
{
    m_overstrike = overstrike;
    setFont(font);
    update();
}

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
    if (m_overstrike <= 0) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
        return;
    }
    for (qreal offset : strikeOffsets(m_overstrike)) {
        // Centred as one text, the overstrike included.
        painter.drawText(QRectF(area).translated(offset - m_overstrike / 2, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         caption);
    }
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
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return 2;
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

CardName::CardName(QWidget *parent, const Picture *card, const QRect &bar, int clearColumn)
    : Caption(parent, false), m_card(card), m_bar(bar), m_clearColumn(clearColumn)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setGeometry(bar.translated(card->pos()));
    hide(); // the picture's placeholder shows until a name is known
}

void CardName::setName(const QString &name, const QString &tip)
{
    m_name = name;
    setToolTip(name.isEmpty() ? QString() : tip);
    setAccessibleName(name);
    elide();
    setVisible(!name.isEmpty());
}

void CardName::elide()
{
    setCaption(fontMetrics().elidedText(m_name, Qt::ElideRight, contentsRect().width() - 2));
}

void CardName::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        elide();
    Caption::changeEvent(event);
}

void CardName::paintEvent(QPaintEvent *event)
{
    {
        // The bar as the picture draws it at this height, the placeholder's
        // letters left out; then the name's shadow, as the picture casts one.
        QPainter painter(this);
        const QPixmap card = m_card->pixmap();
        const qreal ratio = card.devicePixelRatio();
        painter.drawPixmap(QRectF(rect()), card,
                           QRectF(m_clearColumn * ratio, m_bar.top() * ratio, ratio, m_bar.height() * ratio));
        painter.setFont(font());
        painter.setPen(QColor(0xB8, 0x56, 0x0C, 170));
        painter.drawText(QRectF(contentsRect()).translated(0.8, 0.8), int(alignment()), text());
    }
    Caption::paintEvent(event);
}

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_NoMousePropagation); // a press here is no press on the window's bare surface
    setForegroundRole(QPalette::Link);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clickedHere = m_pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clickedHere)
        emit clicked();
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(palette().color(QPalette::Link));
    const QRect room = contentsRect();
    const QString shown = QFontMetrics(underlined).elidedText(text(), Qt::ElideRight, room.width());
    painter.drawText(room, int(QStyle::visualAlignment(layoutDirection(), alignment())), shown);
}

} // namespace wagecourt::ui
