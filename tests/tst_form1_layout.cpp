// The window's start, its layout in twips, its faces and pictures at every scale.
#include "form1fixture.h"
#include "presentation/windowtexts.h"

#include <QStyleOptionButton>

class Form1LayoutTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // Start and layout.
    void startState();
    void layoutInTwips();
    void stackingAndKeyboardOrder();
    void infoAreaIsOutOfSightUntilExpanded();
    void levelLabelsFitInEveryLanguage();

    // Fonts and scale.
    void facesSuitTheScale();
    void picturesKeepTheirNaturalSize_data();
    void picturesKeepTheirNaturalSize();
    void facesFollowTheScreen();
};

void Form1LayoutTest::startState()
{
    const Form1Controls &ui = m_form->controls();
    const PlayerState &state = m_form->state();
    QCOMPARE(m_platform->calls, QStringList{u"on"_s}); // the load handler, and nothing else ran
    QCOMPARE(ui.Check1->value(), 1);
    QCOMPARE(ui.Combo1->currentText(), u"English"_s);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        QCOMPARE(ui.LevelText[i]->text(), u"atrocious"_s);
        QCOMPARE(colorOf(ui.LevelText[i]), QColor(Qt::black));
    }
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
    QCOMPARE(ui.PosText->text(), u"Small Forward"_s);
    QCOMPARE(ui.Command2->text(), u"Show Info"_s);
    QCOMPARE(ui.Command1->text(), u"Calculate Salary"_s);
    QCOMPARE(m_form->windowTitle(), u"Wagecourt v1.0 - by Tarvel (58203)"_s);

    for (int k = 1; k <= kSalarySkillCount; ++k)
        QCOMPARE(state.SkillLevel[k], 1);
    QCOMPARE(state.BestPosition, 3);
    QCOMPARE(state.Salary, 0);
    QVERIFY(state.PastedText.isEmpty());
    QCOMPARE(state.LevelName[20], u"legendary"_s);
    QCOMPARE(state.PositionName[1], u"Point Guard"_s);
    QCOMPARE(state.LevelColor[1], 0u);
    QCOMPARE(state.LevelColor[10], 2983u);
    QCOMPARE(state.LevelColor[20], 6730510u);

    QStringList entries;
    for (int i = 0; i < ui.Combo1->count(); ++i)
        entries << ui.Combo1->itemText(i);
    QCOMPARE(entries, languageNames());
    QVERIFY(entries.contains(u"Türkçe"_s) && entries.contains(u"Português"_s));
}

void Form1LayoutTest::layoutInTwips()
{
    const Form1Controls &ui = m_form->controls();
    const Twips &twips = m_form->twips();
    QCOMPARE(m_form->size(), QSize(twips(8715), twips(3525)));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize()); // a fixed border
    QCOMPARE(ui.Command1->geometry(), QRect(twips(2025), twips(2130), twips(1575), twips(690)));
    QCOMPARE(ui.Command2->geometry(), QRect(twips(7755), twips(45), twips(915), twips(330)));
    QCOMPARE(ui.Combo1->geometry(), QRect(twips(3690), twips(45), twips(2055), twips(315)));
    QCOMPARE(ui.SalaryText->geometry(), QRect(twips(2190), twips(1275), twips(1215), twips(255)));
    QCOMPARE(ui.Image1->geometry(), QRect(0, twips(375), 581, 206)); // natural size
    QCOMPARE(ui.Image2->geometry(), QRect(twips(1605), twips(5430), 278, 129));
    QCOMPARE(ui.PosText->pos(), QPoint(twips(6600), twips(555)));
    QCOMPARE(ui.SkillCaption[1]->pos(), QPoint(twips(3870), twips(1005)));
    QCOMPARE(ui.SkillCaption[12]->pos(), QPoint(twips(6240), twips(2280)));
    QCOMPARE(ui.LevelText[11]->y(), twips(2265));
    QCOMPARE(ui.LevelText[13]->y(), twips(2790));
    QVERIFY(ui.Label1->wordWrap());
    // The credit text keeps every space it was written with.
    QVERIFY(ui.Label1->text().startsWith(u"   Wagecourt is a tool"_s));
    QVERIFY(ui.Label1->text().contains(u"formulas ,so special thanks     to Velmor (35817)"_s));
    QVERIFY(ui.Label1->text().endsWith(u"valuable formulas..   "_s));
    QVERIFY(ui.Label3->text().endsWith(u"starting from \"Jump Shot\".."_s));

    // Fonts as laid out: bold underlined levels, a bold position.
    QVERIFY(ui.LevelText[1]->font().bold() && ui.LevelText[1]->font().underline());
    QVERIFY(!ui.SkillCaption[1]->font().bold());
    QVERIFY(ui.PosText->font().bold());
    QCOMPARE(ui.PosText->font().pointSizeF(), 9.0);
    QVERIFY(ui.Label2->font().bold() && ui.Label2->font().underline());
    QVERIFY(ui.Command1->font().bold());
#ifdef WAGECOURT_STAND_IN_FONT
    QCOMPARE(QFontInfo(ui.LevelText[1]->font()).family(), u"DejaVu Sans"_s);
#else
    QCOMPARE(QFontInfo(ui.LevelText[1]->font()).family(), u"Tahoma"_s); // fonts-wine's free face
    QCOMPARE(QFontInfo(ui.Label4->font()).family(), u"MS Sans Serif"_s);
#endif
}

void Form1LayoutTest::stackingAndKeyboardOrder()
{
    const Form1Controls &ui = m_form->controls();
    const QObjectList children = m_form->children();
    // The card picture is created last and lies behind everything; buttons lie in front.
    QList<QWidget *> stack;
    for (QObject *child : children)
        if (auto *widget = qobject_cast<QWidget *>(child))
            stack << widget;
    QCOMPARE(stack.first(), ui.Image1);
    QCOMPARE(stack.last(), ui.Command2);
    QVERIFY(stack.indexOf(ui.Command1) > stack.indexOf(ui.SalaryText));
    QVERIFY(stack.indexOf(ui.LevelText[1]) > stack.indexOf(ui.Image1));

    // Levels 11 to 13 hold none, so the keyboard does not stop there.
    for (int i = kSalarySkillCount + 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->focusPolicy(), Qt::NoFocus);

    showActive(*m_form);
    QCOMPARE(QApplication::focusWidget(), ui.Command1);
    QList<QWidget *> order{ui.Check1, ui.Combo1, ui.Command2};
    for (int i = 1; i <= kSalarySkillCount; ++i)
        order << ui.LevelText[i];
    order << ui.Command1;
    const QImage unfocused = ui.LevelText[1]->grab().toImage();
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        if (next == ui.LevelText[1])
            QVERIFY(ui.LevelText[1]->grab().toImage() != unfocused); // the focus frame
    }
    QCOMPARE(ui.LevelText[1]->grab().toImage(), unfocused);
    QTest::keyClick(ui.Command1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui.LevelText[kSalarySkillCount]);
}

void Form1LayoutTest::infoAreaIsOutOfSightUntilExpanded()
{
    const Form1Controls &ui = m_form->controls();
    const QList<QWidget *> info{ui.Label1, ui.Label2, ui.Label3, ui.Image2, ui.Label4, ui.Label5, ui.Label6};
    for (QWidget *widget : info)
        QVERIFY(widget->y() >= m_form->height());
    m_form->Command2_Click();
    for (QWidget *widget : info)
        QVERIFY(widget->geometry().bottom() < m_form->height());
    QVERIFY(m_form->height() - ui.Label6->geometry().bottom() >= m_form->twips()(150)); // room to spare
}

// The longest names beside the longest captions must neither leave the window
// nor cover the next column, nor touch a line of the card picture. (In the
// hand-tuned faces at 1× the tightest names of the right column reach the
// frame, as they always have; that stays.)
void Form1LayoutTest::levelLabelsFitInEveryLanguage()
{
    const Form1Controls &ui = m_form->controls();
#ifdef WAGECOURT_STAND_IN_FONT
    const bool tunedFaces = false;
#else
    const bool tunedFaces = m_form->devicePixelRatioF() == 1.0 && m_form->logicalDpiY() == 96;
#endif
    QStringList unfit; // every text that does not fit, to see them all at once
    auto keepClearOfLines = [&](Caption *text, const QString &language) {
        // At least one clear column before the line.
        const QString what = u"%1 '%2' touches a line"_s.arg(language, text->text());
        if (inkRight(text) >= lineAfter(*m_form, text) - 1 && !unfit.contains(what))
            unfit << what;
    };
    QVERIFY(cardLines(*m_form, ui.SkillCaption[1]->geometry().center().y()).size() >= 4);
    // The credit text shows to its last line, above the heading.
    if (ui.Label1->heightForWidth(ui.Label1->width()) > ui.Label1->height())
        unfit << u"the credit text needs %1 pixels, has %2"_s.arg(ui.Label1->heightForWidth(ui.Label1->width()))
                         .arg(ui.Label1->height());
    QVERIFY(ui.Label1->geometry().bottom() < ui.Label2->y());
    // Its two lines apart: no descender meets the capitals below.
    if (inkBands(ui.Label1, -1) < 2)
        unfit << u"the credit text's lines touch"_s;
    for (const QString &language : languageNames()) {
        pickLanguage(*m_form, language);
        for (int level = 1; level <= kLevelCount; ++level) {
            // Walk every label up to this level with real clicks; the last three take it from a list.
            for (int k = 1; k <= kSalarySkillCount; ++k)
                while (m_form->state().SkillLevel[k] < level)
                    m_form->LevelText_MouseDown(k, 1);
            m_platform->clipboard = skillList(*findLanguage(language), QList<int>(kSkillCaptionCount, level));
            m_form->Command1_Click();
            QCOMPARE(ui.LevelText[13]->text(), findLanguage(language)->levelName(level));
            for (int i = 1; i <= kSkillCaptionCount; ++i) {
                const QLabel *label = ui.LevelText[i];
                QVERIFY2(label->geometry().right() < m_form->width(),
                         qPrintable(
                                 u"%1: '%2' ends at %3"_s.arg(language, label->text()).arg(label->geometry().right())));
                QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()) - 1);
                if (i % 2 == 1 && i < kSkillCaptionCount) // left column: clear of the right column's captions
                    QVERIFY2(label->geometry().right() < ui.SkillCaption[i + 1]->x(),
                             qPrintable(u"%1: '%2'"_s.arg(language, label->text())));
                if (!tunedFaces || i % 2 == 1)
                    keepClearOfLines(ui.LevelText[i], language);
            }
        }
        for (int k = 1; k <= kSalarySkillCount; ++k)
            while (m_form->state().SkillLevel[k] > 1)
                m_form->LevelText_MouseDown(k, 2);
        // Captions and buttons keep their whole text too, the dot of İ included.
        for (int i = 1; i <= kSkillCaptionCount; ++i)
            if (ui.SkillCaption[i]->text().startsWith(u'\u0130')
                && inkBands(ui.SkillCaption[i], 1 + int(m_form->devicePixelRatioF())) < 2)
                unfit << u"%1 '%2' lost the dot of its İ"_s.arg(language, ui.SkillCaption[i]->text());
        QVERIFY(ui.Label_Salary->geometry().right() < ui.SkillCaption[1]->x());
        keepClearOfLines(ui.Label_Salary, language);
        QVERIFY2(ui.Check1->sizeHint().width() <= ui.Check1->width(),
                 qPrintable(u"%1 needs %2"_s.arg(ui.Check1->text()).arg(ui.Check1->sizeHint().width())));
        QVERIFY(ui.Check1->width() >= m_form->twips()(2280));
        QVERIFY(ui.Check1->geometry().right() < m_form->twips()(3000)); // bare surface stays beside it
        QVERIFY(ui.PosText->geometry().right() < m_form->width());
        const QRect twoLines = ui.Command1->fontMetrics().boundingRect(
                ui.Command1->rect().adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextWordWrap, ui.Command1->text());
        QVERIFY2(twoLines.height() <= ui.Command1->height() - 4, qPrintable(ui.Command1->text()));
        // Both captions of the info button inside the room its frame leaves, and
        // of the ten letters at most its translators are given: the frame's
        // margin is drawn, not measured, and more letters touch it.
        for (const Text &caption : {windowtext::kShowInfo, windowtext::kHideInfo}) {
            const QString text = caption.translated();
            QStyleOptionButton option;
            option.initFrom(ui.Command2);
            const QRect room = ui.Command2->style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                                    ui.Command2);
            if (ui.Command2->fontMetrics().horizontalAdvance(text) > room.width()
                || std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) > 10)
                unfit << u"%1 '%2' meets the button's frame"_s.arg(language, text);
        }
    }
    QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join(u"; "_s)));
}

// Every text of the window, the language list's popup and the message box (the
// application's font) in a face that is sharp at the screen's scale: scalable
// wherever the bitmaps have no strike of the size needed, bold exactly where
// the layout says bold, a bold that shows, and letters at their natural spacing.
void Form1LayoutTest::facesSuitTheScale()
{
    const Form1Controls &ui = m_form->controls();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const qreal ratio = m_form->devicePixelRatioF();
    const bool native = ratio == 1.0 && m_form->logicalDpiY() == 96;
    QList<const QWidget *> bold{ui.PosText, ui.Label2, ui.Command1};
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        bold << ui.LevelText[i];

    QList<std::pair<QString, QFont>> fonts{{u"the language list's popup"_s, ui.Combo1->view()->font()},
                                           {u"the message box"_s, QApplication::font("QMessageBox")}};
    for (const QWidget *control : m_form->findChildren<QWidget *>())
        fonts.append({control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                      : control->objectName(),
                      control->font()});
    for (const auto &[name, font] : fonts) {
        const QFontInfo face(font);
        const QString what = u"%1: %2 %3"_s.arg(name, face.family(), face.styleName());
        if (!native)
            QVERIFY2(QFontDatabase::isScalable(face.family(), face.styleName()), qPrintable(what));
        const QWidget *control = m_form->findChild<QWidget *>(name);
        // The player's name on the card is as bold as the placeholder it covers.
        QVERIFY2(face.bold() == (bold.contains(control) || name == u"playerName"_s), qPrintable(what));
        QVERIFY2(font.letterSpacing() == 0, qPrintable(what));
    }
    QVERIFY(ui.LevelText[1]->font().underline() && ui.Label2->font().underline());

    // Drawn as the window draws them, the bold texts carry clearly more ink than
    // a twin that shows the same text in the same face without bold. (Of the
    // button, its inside only: no frame, no focus mark.)
    ui.Command1->clearFocus();
    for (const QWidget *control : bold) {
        const bool button = control == ui.Command1;
        const QString text = button ? ui.Command1->text() : static_cast<const QLabel *>(control)->text();
        auto twin = [&](const QString &shown) {
            std::unique_ptr<QWidget> made(button ? static_cast<QWidget *>(new WrappingButton(shown, m_form))
                                                 : new QLabel(shown, m_form));
            QFont regular = control->font();
            regular.setBold(false);
            made->setFont(regular);
            made->setPalette(control->palette());
            made->setAutoFillBackground(control->autoFillBackground());
            made->setGeometry(control->geometry());
            return made;
        };
        const QRect inside = button ? control->rect().adjusted(5, 5, -5, -5) : control->rect();
        const QImage blank = twin(QString())->grab(inside).toImage();
        const qreal boldInk = inkOver(const_cast<QWidget *>(control)->grab(inside).toImage(), blank);
        const qreal regularInk = inkOver(twin(text)->grab(inside).toImage(), blank);
        QVERIFY2(boldInk >= 1.4 * regularInk,
                 qPrintable(u"%1 '%2': ink %3, %4 without bold"_s.arg(control->objectName(), text)
                                    .arg(boldInk)
                                    .arg(regularInk)));
    }
}

void Form1LayoutTest::picturesKeepTheirNaturalSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("natural");
    QTest::newRow("player card") << u"Image1"_s << QSize(581, 206);
    QTest::newRow("screenshot") << u"Image2"_s << QSize(278, 129);
}

// From 150 % on a picture is drawn from its version of twice the size, in the same place and size.
void Form1LayoutTest::picturesKeepTheirNaturalSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, natural);
    const auto *picture = m_form->findChild<const QLabel *>(name);
    QVERIFY(picture);
    const int version = m_form->devicePixelRatioF() >= 1.5 ? 2 : 1;
    QCOMPARE(picture->size(), natural);
    QCOMPARE(picture->pixmap().devicePixelRatio(), qreal(version));
    QCOMPARE(picture->pixmap().size(), natural * version);
}

// A window moved to a screen of another scale takes the faces and pictures of
// that scale, and back on the first screen it is exactly as it started.
void Form1LayoutTest::facesFollowTheScreen()
{
    QScreen *first = m_form->screen();
    const QList<QScreen *> screens = QGuiApplication::screens();
    const auto other = std::find_if(screens.begin(), screens.end(), [first](const QScreen *screen) {
        return screen->devicePixelRatio() != first->devicePixelRatio();
    });
    if (other == screens.end())
        QSKIP("needs a second screen of another scale; ctest runs this on two");
    const Form1Controls &ui = m_form->controls();
    pickLanguage(*m_form, u"Polski"_s);
    auto lookOf = [&] {
        QList<QVariant> look{QApplication::font(), ui.Image1->pixmap().devicePixelRatio(), ui.Label1->height()};
        for (const QWidget *control : m_form->findChildren<QWidget *>())
            look << control->font() << control->geometry();
        return look;
    };
    const QList<QVariant> before = lookOf();

    m_form->move((*other)->geometry().topLeft() + QPoint(40, 40));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QTRY_COMPARE(m_form->screen(), *other);
    QCOMPARE(ui.Image1->pixmap().devicePixelRatio(), (*other)->devicePixelRatio() >= 1.5 ? 2.0 : 1.0);
    QCOMPARE(ui.Image1->size(), QSize(581, 206));
    const QFontInfo standard(QApplication::font());
    if ((*other)->devicePixelRatio() != 1.0)
        QVERIFY(QFontDatabase::isScalable(standard.family(), standard.styleName()));
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->x(), ui.SkillCaption[i]->geometry().right() + 1 + m_form->twips()(kLevelLabelGap));
    QVERIFY(lookOf() != before);

    m_form->move(first->geometry().topLeft() + QPoint(40, 40));
    QTRY_COMPARE(m_form->screen(), first);
    QCOMPARE(lookOf(), before);
}

WAGECOURT_FORM1_TEST_MAIN(Form1LayoutTest)

#include "tst_form1_layout.moc"
