#include "form1fixture.h"

namespace form1test {

QColor colorOf(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

View viewOf(const Form1 &form)
{
    View view;
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        view.levels << form.controls().LevelText[i]->text();
        view.colors << colorOf(form.controls().LevelText[i]);
        view.lefts << form.controls().LevelText[i]->x();
    }
    view.salary = form.controls().SalaryText->text();
    view.position = form.controls().PosText->text();
    return view;
}



QColor levelColor(int level)
{
    return toQColor(kLevelColorTable[level - 1]);
}

void showActive(Form1 &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

void pickLanguage(Form1 &form, const QString &name)
{
    // As the user picks: the list's activation, which also follows a pick of the same entry.
    LanguageList *list = form.controls().Combo1;
    list->setCurrentIndex(list->findText(name));
    emit list->activated(list->currentIndex());
}

void clickLevel(Form1 &form, int index, Qt::MouseButton button)
{
    QLabel *label = form.controls().LevelText[index];
    QTest::mouseClick(label, button, {}, QPoint(2, label->height() / 2));
}

TipWindow *hover(const Form1 &form, QWidget *widget)
{
    const QPoint at(2, widget->height() / 2);
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    return form.tips().window();
}

QStringList windowWords(Form1 &form, RecordingPlatform &platform)
{
    const Form1Controls &ui = form.controls();
    QStringList words{form.windowTitle(), ui.Command2->text(), ui.Image1->accessibleName(),
                      ui.Image2->accessibleName(), ui.PosText->accessibleDescription(),
                      ui.SalaryText->accessibleDescription(), form.tips().levelTipText(1),
                      form.tips().levelTipText(13), positionChartText(form.tips().positionChart())};
    for (const Caption *info : {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6})
        words << info->caption();
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        words << ui.LevelText[i]->accessibleDescription();
    for (const QAction *action : form.actions())
        if (!action->text().isEmpty())
            words << action->text();
    platform.clipboard = u"no skill list"_s;
    form.Command1_Click();
    return words << platform.messageTitles.last() << platform.messageTexts.last();
}

int inkRight(QWidget *control)
{
    const QImage image = control->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) >= 64)
                return control->x() + int(x / image.devicePixelRatio());
    return -1;
}

int inkBands(QWidget *widget, int columns)
{
    const QImage image = widget->grab().toImage();
    auto inkAt = [&](int x, int y) { return qAlpha(image.pixel(x, y)) >= 64 && qGray(image.pixel(x, y)) < 160; };
    int left = image.width(), bands = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            left = inkAt(x, y) ? std::min(left, x) : left;
    for (int y = 0, inBand = 0; y < image.height(); ++y) {
        int ink = 0;
        for (int x = left; x < image.width() && (columns < 0 || x < left + columns); ++x)
            ink |= inkAt(x, y);
        bands += ink && !inBand;
        inBand = ink;
    }
    return bands;
}

QList<int> cardLines(const Form1 &form, int windowY)
{
    const Form1Controls &ui = form.controls();
    const QImage card = ui.Image1->pixmap().toImage();
    const qreal ratio = card.devicePixelRatio();
    const int y = qRound((windowY - ui.Image1->y()) * ratio);
    QList<int> lines;
    for (int x = 0; x < card.width(); ++x) {
        const QRgb pixel = card.pixel(x, y);
        const int left = ui.Image1->x() + int(x / ratio);
        if (qGray(pixel) < 228 && qRed(pixel) - qBlue(pixel) >= 15 && (lines.isEmpty() || lines.last() < left))
            lines << left;
    }
    return lines;
}

qreal inkOver(const QImage &picture, const QImage &blank)
{
    auto onWhite = [](const QImage &image) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        return flat;
    };
    const QImage text = onWhite(picture);
    const QImage bare = onWhite(blank);
    qreal ink = 0;
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < text.width(); ++x)
            ink += qreal(qAbs(qGray(text.pixel(x, y)) - qGray(bare.pixel(x, y)))) / 255;
    return ink;
}

int lineAfter(const Form1 &form, const QWidget *text)
{
    for (int line : cardLines(form, text->geometry().center().y()))
        if (line > text->x())
            return line;
    return form.width();
}

void Form1Fixture::init()
{
    m_platform = new RecordingPlatform;
    m_form = new Form1(*m_platform);
}

void Form1Fixture::cleanup()
{
    delete m_form;
    delete m_platform;
}

void prepareApplication(const QTemporaryDir &scratchConfig)
{
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", scratchConfig.path().toLocal8Bit());
    // The player book likewise, in a folder of this run's own.
    qputenv("XDG_DATA_HOME", (scratchConfig.path() + u"/data"_s).toLocal8Bit());
    QApplication::setQuitOnLastWindowClosed(false); // a test closing a window ends no run
#ifdef WAGECOURT_STAND_IN_FONT
    // The same checks with the stand-in family, as on a system without the free faces.
    setLayoutFontFolders({});
#endif
}

void loadFaces()
{
    loadLayoutFonts();
    QApplication::setFont(defaultFont(TextScale::of(QGuiApplication::primaryScreen())));
}

} // namespace form1test
