#include "ui/tooltips.h"

#include "ui/controls.h"
#include "ui/form1.h"
#include "presentation/salarytext.h"
#include "usecases/playerview.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTimerEvent>
#include <QToolTip>

namespace wagecourt::ui {

namespace {

// As the platform's tooltips: below and right of the pointer, gone 10 s after
// showing (longer for long texts), or 300 ms after the pointer left the widget.
const QPoint kBelowPointer(2, 16);
constexpr int kShownMilliseconds = 10000;
constexpr int kLeaveMilliseconds = 300;

// The chart's measures, all from the font, so that it scales with it.
struct ChartLayout
{
    int pad = 0;
    int line = 0;
    int gap = 0;
    int nameWidth = 0;
    int barWidth = 0;
    int salaryWidth = 0;
    int mark = 0;
    QSize size;

    int barLeft() const { return pad + nameWidth + gap; }
    int salaryLeft() const { return barLeft() + barWidth + gap; }
    int markLeft() const { return salaryLeft() + salaryWidth + gap / 2; }
    int rowTop(int row) const { return pad + line + gap / 2 + row * line; }
};

QFont boldened(QFont font)
{
    font.setBold(true);
    return font;
}

ChartLayout chartLayout(const QFont &font, int margin, const QList<PositionBar> &bars)
{
    const QFontMetrics plain(font);
    const QFontMetrics bold(boldened(font));
    ChartLayout layout;
    layout.pad = margin + 2;
    layout.line = plain.height() + 2;
    // Some bitmap faces report an average width far from their letters', so the digit measures.
    const int digit = plain.horizontalAdvance(u'0');
    layout.gap = digit * 3 / 2;
    layout.barWidth = digit * 16;
    layout.mark = plain.height() / 2;
    for (const PositionBar &bar : bars) {
        layout.nameWidth = std::max(layout.nameWidth, bold.horizontalAdvance(bar.name));
        layout.salaryWidth = std::max(layout.salaryWidth, bold.horizontalAdvance(salaryImportText(bar.salary)));
    }
    const int width = std::max(layout.markLeft() + layout.mark, plain.horizontalAdvance(positionChartTitle()))
            + layout.pad;
    layout.size = QSize(width, layout.rowTop(int(bars.size())) + layout.pad);
    return layout;
}

#if QT_CONFIG(accessibility)
// Screen readers learn that the window is a tooltip, and read its text.
class TipAccessible : public QAccessibleWidget
{
public:
    explicit TipAccessible(QWidget *tip) : QAccessibleWidget(tip, QAccessible::ToolTip) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *tipAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType() && className == QLatin1String(TipWindow::staticMetaObject.className()))
        return new TipAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
#endif

} // namespace

TipWindow::TipWindow() : QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    // Dressed as the toolkit dresses its own tooltips, so that both look alike.
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    setTextFormat(Qt::PlainText);
    setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
#if QT_CONFIG(accessibility)
    static const bool accessible = (QAccessible::installFactory(tipAccessible), true);
    Q_UNUSED(accessible);
#endif
}

void TipWindow::showText(QWidget *owner, const QPoint &globalPos, const QString &text, bool keepOnOwnerClick)
{
    m_bars.clear();
    setText(text);
    m_keepOnOwnerClick = keepOnOwnerClick;
    showFor(owner, globalPos);
}

void TipWindow::showChart(QWidget *owner, const QPoint &globalPos, const QList<PositionBar> &bars)
{
    m_bars = bars;
    setText(positionChartText(bars));
    m_keepOnOwnerClick = false;
    showFor(owner, globalPos);
}

void TipWindow::showFor(QWidget *owner, const QPoint &globalPos)
{
    if (m_owner != owner) {
        if (m_owner)
            disconnect(m_owner, nullptr, this, nullptr);
        m_owner = owner;
        connect(owner, &QObject::destroyed, this, &TipWindow::hideTip);
    }
    m_cursor = globalPos;
    m_leave.stop();
    const int extra = std::max(0, int(text().size()) - 100) * 40;
    m_expire.start(kShownMilliseconds + extra, this);
    updateGeometry();
    resize(sizeHint());
    place();
    if (!isVisible()) {
        qApp->installEventFilter(this);
        show();
    }
    update();
}

void TipWindow::place()
{
    QScreen *screen = QGuiApplication::screenAt(m_cursor);
    if (!screen && m_owner)
        screen = m_owner->screen();
    QPoint at = m_cursor + kBelowPointer;
    if (screen) {
        const QRect area = screen->availableGeometry();
        if (at.x() + width() > area.right() + 1)
            at.setX(area.right() + 1 - width());
        if (at.y() + height() > area.bottom() + 1)
            at.setY(m_cursor.y() - 4 - height()); // above the pointer instead
        at.setX(std::max(at.x(), area.left()));
        at.setY(std::max(at.y(), area.top()));
    }
    move(at);
}

void TipWindow::hideTip()
{
    m_expire.stop();
    m_leave.stop();
    qApp->removeEventFilter(this);
    hide();
}

QSize TipWindow::sizeHint() const
{
    if (m_bars.isEmpty())
        return QLabel::sizeHint();
    return chartLayout(font(), margin(), m_bars).size;
}

bool TipWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Leave:
        if (watched == m_owner)
            m_leave.start(kLeaveMilliseconds, this);
        break;
    case QEvent::Enter:
        if (watched == m_owner)
            m_leave.stop();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // Seen by the window first and then by the widget hit; the widget decides.
        if (watched->isWidgetType() && !(m_keepOnOwnerClick && watched == m_owner))
            hideTip();
        break;
    case QEvent::Hide:
        if (watched == m_owner)
            hideTip();
        break;
    case QEvent::Wheel:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Close:
        hideTip();
        break;
    default:
        break;
    }
    return false;
}

void TipWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_expire.timerId() || event->timerId() == m_leave.timerId())
        hideTip();
    else
        QLabel::timerEvent(event);
}

void TipWindow::paintEvent(QPaintEvent *event)
{
    {
        QStylePainter panel(this);
        QStyleOptionFrame option;
        option.initFrom(this);
        panel.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    }
    if (m_bars.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    paintChart(painter);
}

// Each position's name, a bar as long as its share of the highest salary, and
// the salary; the best position in bold, its bar in the highlight colour and
// pointed at.
void TipWindow::paintChart(QPainter &painter)
{
    const ChartLayout layout = chartLayout(font(), margin(), m_bars);
    const QColor text = palette().color(QPalette::ToolTipText);
    const QColor base = palette().color(QPalette::ToolTipBase);
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor plainBar = QColor::fromRgbF(text.redF() * 0.45f + base.redF() * 0.55f,
                                             text.greenF() * 0.45f + base.greenF() * 0.55f,
                                             text.blueF() * 0.45f + base.blueF() * 0.55f);
    qint32 highest = 1;
    for (const PositionBar &bar : m_bars)
        highest = std::max(highest, bar.salary);

    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(QRect(layout.pad, layout.pad, width() - 2 * layout.pad, layout.line),
                     Qt::AlignLeft | Qt::AlignVCenter, positionChartTitle());
    const int barHeight = std::max(3, layout.line / 2);
    for (int row = 0; row < m_bars.size(); ++row) {
        const PositionBar &bar = m_bars[row];
        const int top = layout.rowTop(row);
        painter.setFont(bar.best ? boldened(font()) : font());
        painter.setPen(text);
        painter.drawText(QRect(layout.pad, top, layout.nameWidth, layout.line), Qt::AlignLeft | Qt::AlignVCenter,
                         bar.name);
        painter.drawText(QRect(layout.salaryLeft(), top, layout.salaryWidth, layout.line),
                         Qt::AlignRight | Qt::AlignVCenter, salaryImportText(bar.salary));
        const int length = std::max(1, int(qint64(layout.barWidth) * bar.salary / highest));
        const int barTop = top + (layout.line - barHeight) / 2;
        painter.fillRect(QRect(layout.barLeft(), barTop, length, barHeight), bar.best ? highlight : plainBar);
        if (bar.best) {
            const int middle = top + layout.line / 2;
            const int left = layout.markLeft();
            const QPoint arrow[3] = {{left, middle},
                                     {left + layout.mark, middle - layout.mark / 2},
                                     {left + layout.mark, middle + layout.mark / 2}};
            painter.setPen(Qt::NoPen);
            painter.setBrush(highlight);
            painter.drawPolygon(arrow, 3);
        }
    }
}

Form1Tips::Form1Tips(const Form1Controls &controls, const PlayerState &state, QObject *parent)
    : QObject(parent), ui(controls), m_state(state)
{
    QList<QWidget *> owners{ui.SalaryText, ui.PosText};
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        owners << ui.LevelText[i];
    for (QWidget *owner : owners) {
        owner->installEventFilter(this);
        // The window stays on top beside the browser the list is copied from, so
        // its tips answer a hover also while the browser has the focus.
        owner->setAttribute(Qt::WA_AlwaysShowToolTips);
    }
}

Form1Tips::~Form1Tips() = default;

std::optional<usecase::PlayerView> Form1Tips::view() const
{
    const LanguageEntry *language = findLanguage(ui.Combo1->currentText());
    if (!language)
        return std::nullopt;
    return usecase::viewPlayer(*language, m_state.SkillLevel, m_state.OtherSkillLevel);
}

QString Form1Tips::levelTipText(int index) const
{
    const auto shown = view();
    return shown ? shown->skills[index].tip : QString(); // the window keeps every level within 1 to 20
}

QList<PositionBar> Form1Tips::positionChart() const
{
    const auto shown = view();
    return shown ? shown->bars : QList<PositionBar>();
}

void Form1Tips::refresh()
{
    if (m_window && m_window->owner())
        show(m_window->owner(), m_window->cursor());
}

TipWindow &Form1Tips::tipWindow()
{
    if (!m_window)
        m_window = std::make_unique<TipWindow>();
    return *m_window;
}

void Form1Tips::show(QWidget *owner, const QPoint &globalPos)
{
    if (const auto *level = qobject_cast<const LevelLabel *>(owner)) {
        const int index = level->index();
        tipWindow().showText(owner, globalPos, levelTipText(index), index <= kSalarySkillCount);
    } else {
        tipWindow().showChart(owner, globalPos, positionChart());
    }
}

bool Form1Tips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    show(static_cast<QWidget *>(watched), static_cast<QHelpEvent *>(event)->globalPos());
    return true;
}

} // namespace wagecourt::ui
