#include "qr/qrcode.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace wagecourt::qr;
using namespace Qt::StringLiterals;

namespace {

constexpr int kQuietZone = 4; // modules
constexpr int kPixels = 4; // a module's side

// Drawn as the window draws it: the runs filled with a QPainter.
QImage painted(const QrCode &code)
{
    const int side = (code.size + 2 * kQuietZone) * kPixels;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kPixels, kPixels);
    painter.translate(kQuietZone, kQuietZone);
    for (const QRect &run : darkRuns(code))
        painter.fillRect(run, Qt::black);
    return image;
}

// Drawn as the page draws it: the path in an SVG document, through Qt's SVG image plugin.
QImage fromSvg(const QrCode &code)
{
    const int side = code.size + 2 * kQuietZone;
    QByteArray svg = uR"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="-%1 -%1 %2 %2">)"
                     uR"(<rect x="-%1" y="-%1" width="%2" height="%2" fill="#fff"/><path d="%3"/></svg>)"_s
                             .arg(kQuietZone)
                             .arg(side)
                             .arg(svgPath(code))
                             .toUtf8();
    QBuffer buffer(&svg);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(QSize(side * kPixels, side * kPixels));
    return reader.read();
}

QByteArray urlSafeText(int length)
{
    static const QByteArray alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text += alphabet[(i * 37 + i / 7) % alphabet.size()];
    return text;
}

} // namespace

class QrTest : public QObject
{
    Q_OBJECT

private slots:
    void symbolReadsBackAsTheText_data();
    void symbolReadsBackAsTheText();
};

void QrTest::symbolReadsBackAsTheText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("size"); // modules a side; 0 for none

    QTest::newRow("short link") << "https://wagecourt.example/?text=Jump%20Shot"_ba << 29;
    QTest::newRow("UTF-8 bytes as they are") << u"Łukasz Çelik: İYİ, MITTELMÄSSIG"_s.toUtf8() << 29;
    QTest::newRow("1,200 URL-safe characters") << urlSafeText(1200) << 117;
    QTest::newRow("all that version 25 holds") << urlSafeText(kMaxBytes) << 117;
    QTest::newRow("one byte more than version 25 holds") << urlSafeText(kMaxBytes + 1) << 0;
    QTest::newRow("empty text") << QByteArray() << 0;
}

void QrTest::symbolReadsBackAsTheText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, size);

    const std::optional<QrCode> code = encodeQr(text);
    QCOMPARE(code ? code->size : 0, size);
    if (!code)
        return;
    const QString zbarimg = QStandardPaths::findExecutable(u"zbarimg"_s);
    if (zbarimg.isEmpty())
        QSKIP("needs zbarimg (zbar-tools) to read the symbols");
    if (!QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("needs Qt's SVG image plugin (libqt6svg6) to draw the page's path");
    QTemporaryDir dir;
    for (const auto &[how, image] : {std::pair{"painted", painted(*code)}, std::pair{"svg", fromSvg(*code)}}) {
        const QString file = dir.filePath(u"%1.png"_s.arg(QLatin1StringView(how)));
        QVERIFY2(image.save(file), how);
        QProcess zbar;
        zbar.start(zbarimg, {u"--raw"_s, u"-q"_s, u"-Sdisable"_s, u"-Sqrcode.enable"_s, file});
        QVERIFY2(zbar.waitForFinished(60000) && zbar.exitCode() == 0, how);
        QCOMPARE(zbar.readAllStandardOutput(), text + '\n');
    }
}

QTEST_MAIN(QrTest)
#include "tst_qr.moc"
