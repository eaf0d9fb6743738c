#include "engine/salary.h"
#include "engine/salarytext.h"
#include "fonts.h"
#include "form1.h"
#include "i18n/catalogue.h"
#include "import/skilllist.h"
#include "platform/platform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace wagecourt;
using namespace wagecourt::ui;
using namespace Qt::StringLiterals;

namespace {

// Costs no time and remembers every call, in order.
class RecordingPlatform : public Platform
{
public:
    QString clipboard;
    bool clipboardTooLong = false;
    QStringList calls;
    QList<bool> topMost;
    QStringList messageTitles;
    QStringList messageTexts;

    void pause(int milliseconds) override { calls << u"pause %1"_s.arg(milliseconds); }
    ClipboardText clipboardText(qsizetype maxCharacters) override
    {
        calls << u"clipboard"_s;
        // As the desktop reader does: a text over the limit is not handed over.
        if (clipboardTooLong || clipboard.size() > maxCharacters)
            return {QString(), true};
        return {clipboard, false};
    }
    void showMessage(const QString &title, const QString &text) override
    {
        calls << u"message"_s;
        messageTitles << title;
        messageTexts << text;
    }
    void setTopMost(QWidget *, bool on) override
    {
        calls << (on ? u"on"_s : u"off"_s);
        topMost << on;
    }
};

// Everything the result display and the switch write, to compare before and after.
struct View
{
    QStringList levels;
    QList<QColor> colors;
    QString salary;
    QString position;
    QList<int> lefts;

    bool operator==(const View &) const = default;
};

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

QString skillList(const LanguageEntry &entry, const QList<int> &levels)
{
    QStringList lines;
    for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
        lines << entry.skillCaption(skill) + u' ' + entry.levelName(levels.value(skill - 1, 1));
    return lines.join(u'\n');
}

SkillLevels levelsOf(const QList<int> &values)
{
    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        levels[k] = qint16(values[k - 1]);
    return levels;
}

QColor levelColor(int level)
{
    return toQColor(kLevelColorTable[level - 1]);
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

const QList<int> kSample{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 20, 20, 20};

// The rightmost column a control paints into, in its parent's coordinates; -1 when it paints nothing.
int inkRight(QWidget *control)
{
    const QImage image = control->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) >= 64)
                return control->x() + int(x / image.devicePixelRatio());
    return -1;
}

// The upright lines of the card picture that text must keep clear of (the rule
// before the skills, the accents that begin the skill bands, the frame): its
// warm, darker columns across the first row of skills, in the window's coordinates.
QList<int> cardLines(const Form1 &form)
{
    const Form1Controls &ui = form.controls();
    const QImage card = ui.Image1->pixmap().toImage();
    const qreal ratio = card.devicePixelRatio();
    const int y = qRound((ui.SkillCaption[1]->geometry().center().y() - ui.Image1->y()) * ratio);
    QList<int> lines;
    for (int x = 0; x < card.width(); ++x) {
        const QRgb pixel = card.pixel(x, y);
        const int left = ui.Image1->x() + int(x / ratio);
        if (qGray(pixel) < 228 && qRed(pixel) - qBlue(pixel) >= 15 && (lines.isEmpty() || lines.last() < left))
            lines << left;
    }
    return lines;
}

// The ink a text puts on a picture of its control: how far each pixel differs
// from a picture of the same control without text, summed.
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

// The first line of the card right of x, or the window's edge.
int lineAfter(const Form1 &form, int x)
{
    for (int line : cardLines(form))
        if (line > x)
            return line;
    return form.width();
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

    // The language switch.
    void switchKeepsLevelsSalaryAndColours();
    void switchMovesLevelLabelsBesideTheirCaptions();
    void pickingTheSameLanguageChangesNothing();
    void otherSkillsShowTheLowestLevel();

    // Calculate Salary.
    void importInEveryLanguage_data();
    void importInEveryLanguage();
    void pressPausesAroundTheClipboardRead();
    void rejectedPasteChangesNothing_data();
    void rejectedPasteChangesNothing();
    void allOnesShowTheStartResultWithoutItsSpace();

    // Level clicks.
    void leftAndRightClicksStepOneLevel();
    void levelsStopAtOneAndTwenty();
    void middleClickRecalculatesOnly();
    void clicksOnTheLastThreeLevelsAreIgnored();

    // Always on top and the info area.
    void surfaceClickTogglesOnTop();
    void checkBoxDrivesOnTop();
    void labelsAndPicturesAreNotTheSurface();
    void infoToggleChangesOnlyTheHeight();

private:
    RecordingPlatform *m_platform = nullptr;
    Form1 *m_form = nullptr;
};

void Form1Test::init()
{
    m_platform = new RecordingPlatform;
    m_form = new Form1(*m_platform);
}

void Form1Test::cleanup()
{
    delete m_form;
    delete m_platform;
}

void Form1Test::startState()
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

void Form1Test::layoutInTwips()
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

void Form1Test::stackingAndKeyboardOrder()
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

    for (int i = 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->focusPolicy(), Qt::NoFocus);

    m_form->show();
    QApplication::setActiveWindow(m_form);
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(QApplication::focusWidget(), ui.Command1);
    for (QWidget *next : {static_cast<QWidget *>(ui.Check1), static_cast<QWidget *>(ui.Combo1),
                          static_cast<QWidget *>(ui.Command2), static_cast<QWidget *>(ui.Command1)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void Form1Test::infoAreaIsOutOfSightUntilExpanded()
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
// hand-tuned faces at 1× the tightest German, Polish and Portuguese names reach
// the right column's accent and the frame, as they always have; that stays.)
void Form1Test::levelLabelsFitInEveryLanguage()
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
        if (inkRight(text) >= lineAfter(*m_form, text->x()) - 1 && !unfit.contains(what))
            unfit << what;
    };
    QVERIFY(cardLines(*m_form).size() >= 4);
    // The credit text shows to its last line, above the heading.
    if (ui.Label1->heightForWidth(ui.Label1->width()) > ui.Label1->height())
        unfit << u"the credit text needs %1 pixels, has %2"_s.arg(ui.Label1->heightForWidth(ui.Label1->width()))
                         .arg(ui.Label1->height());
    QVERIFY(ui.Label1->geometry().bottom() < ui.Label2->y());
    for (const QString &language : languageNames()) {
        pickLanguage(*m_form, language);
        for (int level = 1; level <= kLevelCount; ++level) {
            // Walk every label up to this level with real clicks.
            for (int k = 1; k <= kSalarySkillCount; ++k)
                while (m_form->state().SkillLevel[k] < level)
                    m_form->LevelText_MouseDown(k, 1);
            for (int i = 1; i <= kSkillCaptionCount; ++i) {
                const QLabel *label = ui.LevelText[i];
                QVERIFY2(label->geometry().right() < m_form->width(),
                         qPrintable(u"%1: '%2' ends at %3"_s.arg(language, label->text()).arg(label->geometry().right())));
                QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()) - 1);
                if (i % 2 == 1 && i < kSkillCaptionCount) // left column: clear of the right column's captions
                    QVERIFY2(label->geometry().right() < ui.SkillCaption[i + 1]->x(),
                             qPrintable(u"%1: '%2'"_s.arg(language, label->text())));
                if (!tunedFaces)
                    keepClearOfLines(ui.LevelText[i], language);
            }
        }
        for (int k = 1; k <= kSalarySkillCount; ++k)
            while (m_form->state().SkillLevel[k] > 1)
                m_form->LevelText_MouseDown(k, 2);
        // Captions and buttons keep their whole text too.
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
    }
    QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join(u"; "_s)));
}

// Every text of the window, the language list's popup and the message box (the
// application's font) in a face that is sharp at the screen's scale: scalable
// wherever the bitmaps have no strike of the size needed, bold exactly where
// the layout says bold, a bold that shows, and letters at their natural spacing.
void Form1Test::facesSuitTheScale()
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
        QVERIFY2(face.bold() == bold.contains(control), qPrintable(what));
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
                                    .arg(boldInk).arg(regularInk)));
    }
}

void Form1Test::picturesKeepTheirNaturalSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("natural");
    QTest::newRow("player card") << u"Image1"_s << QSize(581, 206);
    QTest::newRow("screenshot") << u"Image2"_s << QSize(278, 129);
}

// From 150 % on a picture is drawn from its version of twice the size, in the same place and size.
void Form1Test::picturesKeepTheirNaturalSize()
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
void Form1Test::facesFollowTheScreen()
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

void Form1Test::switchKeepsLevelsSalaryAndColours()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    const View before = viewOf(*m_form);
    const qint32 salary = m_form->state().Salary;

    pickLanguage(*m_form, u"Deutsch"_s);
    const View after = viewOf(*m_form);
    QCOMPARE(m_form->controls().LevelText[1]->text(), u"überzeugend"_s); // level 8
    QCOMPARE(m_form->controls().LevelText[4]->text(), u"herausragend"_s); // level 10
    QCOMPARE(after.position, u"Point Guard"_s); // Deutsch uses the English position names
    QCOMPARE(after.salary, before.salary);
    QCOMPARE(after.colors, before.colors);
    QCOMPARE(m_form->state().Salary, salary);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample));
    QCOMPARE(m_form->controls().Command1->text(), u"Berechn Gehalt"_s);
    QCOMPARE(m_form->controls().Label_Salary->text(), u"Gehalt:"_s);
    QCOMPARE(m_form->controls().Check1->text(), u"Immer im Vordergrund"_s);
    QCOMPARE(m_form->controls().Command2->text(), u"Show Info"_s); // never translated
    QCOMPARE(m_form->windowTitle(), u"Wagecourt v1.0 - by Tarvel (58203)"_s);
    QCOMPARE(m_form->state().LevelColor[20], 6730510u);
    QCOMPARE(m_platform->topMost, QList<bool>{true}); // the switch leaves the window alone
}

void Form1Test::switchMovesLevelLabelsBesideTheirCaptions()
{
    const Form1Controls &ui = m_form->controls();
    const int gap = m_form->twips()(45);
    const int englishLeft = ui.LevelText[1]->x();
    const int englishCaptionWidth = ui.SkillCaption[1]->width();

    pickLanguage(*m_form, u"Italiano"_s);
    QCOMPARE(ui.SkillCaption[1]->text(), u"Tiro in sosp.:"_s);
    QVERIFY(ui.SkillCaption[1]->width() > englishCaptionWidth); // read right after the write
    QVERIFY(ui.SkillCaption[1]->width() >= ui.SkillCaption[1]->fontMetrics().horizontalAdvance(u"Tiro in sosp.:"_s));
    for (const QString &language : languageNames()) {
        pickLanguage(*m_form, language);
        for (int i = 1; i <= kSkillCaptionCount; ++i)
            QCOMPARE(ui.LevelText[i]->x(), ui.SkillCaption[i]->geometry().right() + 1 + gap);
    }
    pickLanguage(*m_form, u"Español"_s);
    QVERIFY(ui.LevelText[1]->x() < englishLeft);
    pickLanguage(*m_form, u"English"_s);
    QCOMPARE(ui.LevelText[1]->x(), englishLeft);
}

void Form1Test::pickingTheSameLanguageChangesNothing()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    pickLanguage(*m_form, u"Polski"_s);
    const View before = viewOf(*m_form);
    const LevelNames names = m_form->state().LevelName;

    QSignalSpy clicks(m_form->controls().Combo1, &LanguageList::clicked);
    pickLanguage(*m_form, u"Polski"_s);
    QCOMPARE(clicks.count(), 1); // the switch ran again
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->state().LevelName, names);
}

void Form1Test::otherSkillsShowTheLowestLevel()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample); // Stamina etc. at 20
    m_form->Command1_Click();
    for (int i = 11; i <= 13; ++i)
        QCOMPARE(m_form->controls().LevelText[i]->text(), u"atrocious"_s);
    pickLanguage(*m_form, u"Türkçe"_s);
    for (int i = 11; i <= 13; ++i)
        QCOMPARE(m_form->controls().LevelText[i]->text(), u"korkunç"_s);
}

void Form1Test::importInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languageNames())
        QTest::newRow(language.toUtf8().constData()) << language;
}

void Form1Test::importInEveryLanguage()
{
    QFETCH(QString, language);
    const LanguageEntry &entry = *findLanguage(language);
    pickLanguage(*m_form, language);
    const QList<int> levels{20, 1, 14, 6, 9, 17, 3, 12, 5, 10, 2, 2, 2};
    m_platform->clipboard = skillList(entry, levels);
    m_form->Command1_Click();

    QVERIFY(m_platform->messageTitles.isEmpty());
    const auto expected = computeSalary(levelsOf(levels));
    const Form1Controls &ui = m_form->controls();
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        QCOMPARE(ui.LevelText[k]->text(), entry.levelName(levels[k - 1]));
        QCOMPARE(colorOf(ui.LevelText[k]), levelColor(levels[k - 1]));
    }
    for (int i = 11; i <= 13; ++i) {
        QCOMPARE(ui.LevelText[i]->text(), entry.levelName(1));
        QCOMPARE(colorOf(ui.LevelText[i]), QColor(Qt::black));
    }
    QCOMPARE(ui.SalaryText->text(), salaryImportText(expected->salary));
    QCOMPARE(ui.PosText->text(), entry.positionName(expected->position));
    QCOMPARE(m_form->state().Salary, expected->salary);
    QCOMPARE(m_form->state().BestPosition, expected->position);
    // The working copy holds the list with the names turned into numbers.
    QVERIFY(m_form->state().PastedText.startsWith(entry.skillCaption(1) + u"  20\n"_s));
}

void Form1Test::pressPausesAroundTheClipboardRead()
{
    m_platform->calls.clear();
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    QCOMPARE(m_platform->calls, (QStringList{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s}));

    m_platform->calls.clear();
    m_platform->clipboard = u"nothing to see"_s;
    m_form->Command1_Click();
    QCOMPARE(m_platform->calls, (QStringList{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s, u"message"_s}));

    // A real press of the button runs the same handler.
    m_platform->calls.clear();
    QTest::mouseClick(m_form->controls().Command1, Qt::LeftButton);
    QCOMPARE(m_platform->calls.size(), 4);
}

void Form1Test::rejectedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("pasted"); // what the working copy holds afterwards

    const QString english = skillList(*findLanguage(u"English"), kSample);
    QTest::newRow("empty clipboard") << u"English"_s << QString() << QString();
    QTest::newRow("nine colons") << u"English"_s << english.section(u'\n', 0, 8) << english.section(u'\n', 0, 8);
    QTest::newRow("fourteen colons") << u"English"_s << english + u"\nAge: 24"_s << english + u"\nAge: 24"_s;
    QTest::newRow("tab before") << u"English"_s << u"\t"_s + english << u"\t"_s + english;
    QTest::newRow("small letters") << u"English"_s << u"jump shot"_s + english.sliced(9) << u"jump shot"_s + english.sliced(9);
    QTest::newRow("wrong language") << u"Deutsch"_s << english << english;
    QString unknown = english;
    unknown.replace(u"Passing: prolific"_s, u"Passing: superb"_s);
    QTest::newRow("unknown level name") << u"English"_s << unknown << QString();
    QTest::newRow("English list as Français") << u"Français"_s << english << QString();
    QString outside = english;
    outside.replace(u"Driving: strong"_s, u"Driving: 25"_s);
    QTest::newRow("number outside 1 to 20") << u"English"_s << outside << QString();
    QTest::newRow("over a megabyte") << u"English"_s << english + QString(kMaxPastedCharacters, u'x') << QString();
    QTest::newRow("refused by the reader") << u"English"_s << u"\x01"_s << QString();
}

void Form1Test::rejectedPasteChangesNothing()
{
    QFETCH(QString, language);
    QFETCH(QString, clipboard);
    QFETCH(QString, pasted);

    // A result on screen first, so that a change would show.
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>{4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    m_form->Command1_Click();
    m_form->LevelText_MouseDown(2, 1);
    pickLanguage(*m_form, language);
    const View before = viewOf(*m_form);
    const SkillLevels levels = m_form->state().SkillLevel;
    const qint32 salary = m_form->state().Salary;
    const int position = m_form->state().BestPosition;

    m_platform->clipboard = clipboard;
    m_platform->clipboardTooLong = QByteArrayView(QTest::currentDataTag()) == "refused by the reader";
    m_form->Command1_Click();
    QCOMPARE(m_platform->messageTitles, QStringList{u"ERROR"_s});
    QCOMPARE(m_platform->messageTexts,
             QStringList{u"Please copy your player's skills again and make sure that you chose the correct "
                         u"language from the drop-down menu.."_s});
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->state().SkillLevel, levels);
    QCOMPARE(m_form->state().Salary, salary);
    QCOMPARE(m_form->state().BestPosition, position);
    if (!pasted.isNull())
        QCOMPARE(m_form->state().PastedText, pasted);
}

void Form1Test::allOnesShowTheStartResultWithoutItsSpace()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>(13, 1));
    m_form->Command1_Click();
    const Form1Controls &ui = m_form->controls();
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        QCOMPARE(ui.LevelText[k]->text(), u"atrocious"_s);
        QCOMPARE(colorOf(ui.LevelText[k]), QColor(Qt::black));
    }
    QCOMPARE(ui.SalaryText->text(), u"504"_s);
    QCOMPARE(ui.PosText->text(), u"Small Forward"_s);

    // The same salary after a click keeps the space.
    m_form->LevelText_MouseDown(1, 4);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
}

void Form1Test::leftAndRightClicksStepOneLevel()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    const View before = viewOf(*m_form);

    clickLevel(*m_form, 4, Qt::LeftButton); // Handling 10 -> 11
    QList<int> raised = kSample;
    raised[3] = 11;
    const auto expected = computeSalary(levelsOf(raised));
    QCOMPARE(ui.LevelText[4]->text(), u"prolific"_s);
    QCOMPARE(colorOf(ui.LevelText[4]), levelColor(11));
    QCOMPARE(ui.SalaryText->text(), salaryClickText(expected->salary));
    QCOMPARE(ui.PosText->text(), findLanguage(u"English")->positionName(expected->position));
    View after = viewOf(*m_form);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        if (i == 4)
            continue;
        QCOMPARE(after.levels[i - 1], before.levels[i - 1]);
        QCOMPARE(after.colors[i - 1], before.colors[i - 1]);
    }

    clickLevel(*m_form, 4, Qt::RightButton);
    QCOMPARE(viewOf(*m_form).levels, before.levels);
    QCOMPARE(viewOf(*m_form).colors, before.colors);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample));

    // From the start: level 2 in its colour, then back to black.
    Form1 fresh(*m_platform);
    clickLevel(fresh, 1, Qt::LeftButton);
    QCOMPARE(fresh.controls().LevelText[1]->text(), u"pitiful"_s);
    QCOMPARE(colorOf(fresh.controls().LevelText[1]), levelColor(2));
    SkillLevels two;
    two.fill(1);
    two[1] = 2;
    QCOMPARE(fresh.controls().SalaryText->text(), salaryClickText(computeSalary(two)->salary));
    clickLevel(fresh, 1, Qt::RightButton);
    QCOMPARE(fresh.controls().LevelText[1]->text(), u"atrocious"_s);
    QCOMPARE(colorOf(fresh.controls().LevelText[1]), QColor(Qt::black));
    QCOMPARE(fresh.controls().SalaryText->text(), u" 504"_s);
}

void Form1Test::levelsStopAtOneAndTwenty()
{
    const Form1Controls &ui = m_form->controls();
    for (int i = 0; i < 19; ++i)
        clickLevel(*m_form, 7, Qt::LeftButton);
    QCOMPARE(m_form->state().SkillLevel[7], 20);
    QCOMPARE(ui.LevelText[7]->text(), u"legendary"_s);
    QCOMPARE(colorOf(ui.LevelText[7]), QColor(14, 179, 102));
    const QString salary = ui.SalaryText->text();
    for (int i = 0; i < 3; ++i)
        clickLevel(*m_form, 7, Qt::LeftButton);
    QCOMPARE(m_form->state().SkillLevel[7], 20);
    QCOMPARE(ui.SalaryText->text(), salary);

    for (int i = 0; i < 25; ++i)
        clickLevel(*m_form, 7, Qt::RightButton);
    QCOMPARE(m_form->state().SkillLevel[7], 1);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
}

void Form1Test::middleClickRecalculatesOnly()
{
    const Form1Controls &ui = m_form->controls();
    clickLevel(*m_form, 5, Qt::MiddleButton);
    QCOMPARE(m_form->state().SkillLevel[5], 1);
    QCOMPARE(m_form->state().Salary, 504);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s); // the click form
    QCOMPARE(ui.PosText->text(), u"Small Forward"_s);
    QCOMPARE(colorOf(ui.LevelText[5]), QColor(Qt::black));
}

void Form1Test::clicksOnTheLastThreeLevelsAreIgnored()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    m_form->LevelText_MouseDown(3, 1); // the salary now shows in the click form
    const View before = viewOf(*m_form);
    const qint32 salary = m_form->state().Salary;
    for (int i = 11; i <= 13; ++i)
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            clickLevel(*m_form, i, button);
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->state().Salary, salary);

    // Before any result the salary keeps its layout text.
    Form1 fresh(*m_platform);
    clickLevel(fresh, 12, Qt::LeftButton);
    QCOMPARE(fresh.controls().SalaryText->text(), u" 504"_s);
    QCOMPARE(fresh.state().Salary, 0);
}

void Form1Test::surfaceClickTogglesOnTop()
{
    const QPoint bare(m_form->twips()(3000), m_form->twips()(150)); // between the box and the list
    QCOMPARE(m_form->childAt(bare), nullptr);
    m_platform->calls.clear();

    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 0);
    // The handler's own call, then the box's click handler nested inside it.
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"off"_s}));

    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 1);
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"off"_s, u"on"_s, u"on"_s}));

    QTest::mouseClick(m_form, Qt::RightButton, {}, bare);
    QTest::mouseClick(m_form, Qt::MiddleButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 1);
    QCOMPARE(m_platform->calls.size(), 4);

    // The thin margin below the card is surface too.
    QTest::mouseClick(m_form, Qt::LeftButton, {}, QPoint(5, m_form->height() - 2));
    QCOMPARE(m_form->controls().Check1->value(), 0);

    // A greyed box is left alone.
    m_form->controls().Check1->setValue(2);
    m_platform->calls.clear();
    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 2);
    QVERIFY(m_platform->calls.isEmpty());
}

void Form1Test::checkBoxDrivesOnTop()
{
    ValueCheckBox *box = m_form->controls().Check1;
    m_platform->calls.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(box->value(), 0);
    QCOMPARE(m_platform->calls, QStringList{u"off"_s});
    // Anywhere in the box, also right of its text.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
    QCOMPARE(box->value(), 1);
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"on"_s}));
    // The same value written again raises no click.
    box->setValue(1);
    QCOMPARE(m_platform->calls.size(), 2);
}

void Form1Test::labelsAndPicturesAreNotTheSurface()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->calls.clear();
    const View before = viewOf(*m_form);
    const QList<QWidget *> notSurface{ui.Image1, ui.SkillCaption[1], ui.SkillCaption[13], ui.SalaryText,
                                      ui.PosText, ui.Label_Salary};
    for (QWidget *widget : notSurface)
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, 1));
    m_form->Command2_Click();
    for (QWidget *widget : {static_cast<QWidget *>(ui.Image2), static_cast<QWidget *>(ui.Label1),
                            static_cast<QWidget *>(ui.Label2), static_cast<QWidget *>(ui.Label6)})
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(m_platform->calls.isEmpty());
    QCOMPARE(ui.Check1->value(), 1);
    QCOMPARE(viewOf(*m_form), before);
}

void Form1Test::infoToggleChangesOnlyTheHeight()
{
    m_form->move(40, 60);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QPoint place = m_form->pos();
    const int width = m_form->width();
    QPushButton *toggle = m_form->controls().Command2;

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_form->height(), m_form->twips()(8850));
    QCOMPARE(toggle->text(), u"Hide Info"_s);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_form->height(), m_form->twips()(3525));
    QCOMPARE(toggle->text(), u"Show Info"_s);
    QCOMPARE(m_form->width(), width);
    QCOMPARE(m_form->pos(), place);
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());

    // Any other caption: nothing happens.
    toggle->setText(u"Info"_s);
    m_form->Command2_Click();
    QCOMPARE(m_form->height(), m_form->twips()(3525));
    QCOMPARE(toggle->text(), u"Info"_s);
}

int main(int argc, char *argv[])
{
#ifdef WAGECOURT_STAND_IN_FONT
    // The same checks with the stand-in family, as on a system without the free faces.
    setLayoutFontFolders({});
#endif
    QApplication app(argc, argv);
    loadLayoutFonts();
    QApplication::setFont(defaultFont(TextScale::of(QGuiApplication::primaryScreen())));
    Form1Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1.moc"
