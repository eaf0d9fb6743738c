#include "ui/playerbook/qrdialog.h"

#include "presentation/bookwindowtext.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;
namespace text = bookwindowtext;

namespace {

// Four modules of light all round, as readers expect.
constexpr int kQuietZone = 4;
// A phone reads a module of three device pixels off a screen at arm's length;
// the largest code (117 modules) is then some 375 pixels a side.
constexpr int kModulePixels = 3;

QPixmap drawn(const qr::QrCode &code, qreal deviceRatio)
{
    const int side = (code.size + 2 * kQuietZone) * kModulePixels;
    QImage image(QSize(side, side) * deviceRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(deviceRatio);
    image.fill(Qt::white); // dark on light in either theme: readers want it so
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.scale(kModulePixels, kModulePixels);
    painter.translate(kQuietZone, kQuietZone);
    for (const QRect &run : qr::darkRuns(code))
        painter.drawRect(run);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QrDialog::QrDialog(QWidget *parent)
    : QDialog(parent), m_code(new QLabel(this)), m_words(new QLabel(this)), m_link(new QLineEdit(this))
{
    setObjectName(u"QrDialog"_s);
    m_code->setObjectName(u"qrCode"_s);
    m_code->setAlignment(Qt::AlignCenter);
    m_words->setWordWrap(true);
    m_link->setObjectName(u"link"_s);
    m_link->setReadOnly(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_code);
    layout->addWidget(m_words);
    layout->addWidget(m_link);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QrDialog::showLink(const QString &link, const QString &holds, const std::optional<qr::QrCode> &code)
{
    m_fits = code.has_value();
    m_holds = holds;
    m_code->setVisible(m_fits);
    if (code)
        m_code->setPixmap(drawn(*code, devicePixelRatioF()));
    m_link->setText(link);
    m_link->setCursorPosition(0);
    m_code->setAccessibleName(link);
    retranslate();
}

void QrDialog::retranslate()
{
    setWindowTitle(text::kQrTitle.translated());
    m_words->setText(m_holds + u' ' + (m_fits ? text::kQrHint : text::kQrTooLong).translated());
    m_link->setMinimumWidth(m_fits ? m_code->sizeHint().width() : fontMetrics().horizontalAdvance(QString(60, u'n')));
}

} // namespace wagecourt::ui
