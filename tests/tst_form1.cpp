#include "engine/salary.h"
#include "fonts.h"
#include "form1.h"
#include "i18n/catalogue.h"
#include "import/skilllist.h"
#include "platform/platform.h"
#include "presentation/advicetext.h"
#include "presentation/salarytext.h"
#include "settings.h"
#include "tooltips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
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

    // The clipboard is one: what the window copies, a press reads back.
    void setClipboardText(const QString &text) override
    {
        calls << u"copy"_s;
        clipboard = text;
        clipboardTooLong = false;
    }

    // The desktop's languages come from a key of the test's own, none by default.
    QStringList desktopLanguages() override { return settings.value(u"desktop"_s).toStringList(); }

    // An in-memory store; reads are not calls the window makes of the system.
    QVariantMap settings;
    QStringList settingWrites;
    QVariant setting(const QString &key) override { return settings.value(key); }
    void setSetting(const QString &key, const QVariant &value) override
    {
        settingWrites << key;
        settings.insert(key, value);
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

const QList<int> kSample{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 20, 20, 20};

// As the toolkit asks a widget for its tooltip when the pointer rests on it.
TipWindow *hover(const Form1 &form, QWidget *widget)
{
    const QPoint at(2, widget->height() / 2);
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    return form.tips().window();
}

// Every word of the window's own, in the order of a list to compare: what it
// shows, the menus, the tips, the refused paste's box and what screen readers hear.
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

// Bands of ink one above the other, a clear row between, in a widget's columns
// from its first inked one on, this many wide (-1: all): the dot and stem of
// İ, or the lines of a wrapped text.
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

// The upright lines of the card picture that text must keep clear of (the rule
// before the skills, the accents that begin the skill bands, the frame): its
// warm, darker columns across the row at windowY, in the window's coordinates.
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

// The first line of the card right of a text, on its own row, or the window's edge.
int lineAfter(const Form1 &form, const QWidget *text)
{
    for (int line : cardLines(form, text->geometry().center().y()))
        if (line > text->x())
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
    void qtTextsPictureAndInfoStateFollowTheSwitch_data() { importInEveryLanguage_data(); }
    void qtTextsPictureAndInfoStateFollowTheSwitch();

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

    // Tooltips and the other three skills.
    void otherSkillsShowTheirListedLevels();
    void levelTooltips_data();
    void levelTooltips();
    void levelTooltipFollowsClicksLanguageAndImport();
    void positionTooltipCharts_data();
    void positionTooltipCharts();

    // Always on top and the info area.
    void surfaceClickTogglesOnTop();
    void checkBoxDrivesOnTop();
    void labelsAndPicturesAreNotTheSurface();
    void infoToggleChangesOnlyTheHeight();

    // Keyboard, clipboard and settings.
    void keysActAsTheirControls_data();
    void keysActAsTheirControls();
    void levelKeysStepAsClicks_data();
    void levelKeysStepAsClicks();
    void copyReadsBackAsTheShownPlayer_data();
    void copyReadsBackAsTheShownPlayer();
    void resultMenu_data();
    void resultMenu();
    void settingsRestoredAtStart_data();
    void settingsRestoredAtStart();
    void settingsFollowTheUser();
    void settingsFileSurvivesBadFolders_data();
    void settingsFileSurvivesBadFolders();

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
// hand-tuned faces at 1× the tightest names of the right column reach the
// frame, as they always have; that stays.)
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
                         qPrintable(u"%1: '%2' ends at %3"_s.arg(language, label->text()).arg(label->geometry().right())));
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
    QCOMPARE(m_form->controls().Command2->text(), u"Info ein"_s);
    QCOMPARE(m_form->windowTitle(), u"Wagecourt v1.0 - von Tarvel (58203)"_s);
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

// The window's own words, Qt's (a text field's menu) and the browser picture
// come in the language picked, and the info area stays as it was; English
// needs no translation.
void Form1Test::qtTextsPictureAndInfoStateFollowTheSwitch()
{
    QFETCH(QString, language);
    const Form1Controls &ui = m_form->controls();
    const QImage englishPicture = ui.Image2->pixmap().toImage();
    const QStringList englishWords = windowWords(*m_form, *m_platform);
    m_form->Command2_Click();
    const int expandedHeight = m_form->height();

    pickLanguage(*m_form, language);
    const bool english = language == u"English"_s;
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy") == u"&Copy"_s, english);
    QCOMPARE(ui.Image2->pixmap().toImage() == englishPicture, english);
    QCOMPARE(ui.Image2->size(), QSize(278, 129));
    m_form->Command2_Click();
    QCOMPARE(m_form->height(), m_form->twips()(kCompactClientHeight)); // it was read as shown
    QVERIFY(m_form->height() < expandedHeight);
    // Not one of the window's own words is left in English.
    const QStringList words = windowWords(*m_form, *m_platform);
    QCOMPARE(words.size(), englishWords.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        QVERIFY2((words[i] == englishWords[i]) == english, qPrintable(words[i]));

    pickLanguage(*m_form, u"English"_s);
    QCOMPARE(windowWords(*m_form, *m_platform), englishWords);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), u"&Copy"_s);
    QCOMPARE(ui.Image2->pixmap().toImage(), englishPicture);
}

void Form1Test::importInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("chosen"); // before the press
    const QStringList names = languageNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        QTest::newRow(names[i].toUtf8().constData()) << names[i] << names[i];
        // A list in another language switches the window to it, Français
        // behind English (the same five characters) and English behind it.
        const QString other = names[(i + 1) % names.size()];
        QTest::newRow((names[i] + u" while "_s + other + u" is chosen"_s).toUtf8().constData()) << names[i] << other;
    }
}

void Form1Test::importInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, chosen);
    const LanguageEntry &entry = *findLanguage(language);
    pickLanguage(*m_form, chosen);
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
        QCOMPARE(ui.LevelText[i]->text(), entry.levelName(2));
        QCOMPARE(colorOf(ui.LevelText[i]), levelColor(2));
    }
    QCOMPARE(ui.SalaryText->text(), salaryImportText(expected->salary));
    QCOMPARE(ui.PosText->text(), entry.positionName(expected->position));
    QCOMPARE(m_form->state().Salary, expected->salary);
    QCOMPARE(m_form->state().BestPosition, expected->position);
    // The working copy holds the list with the names turned into numbers.
    QVERIFY(m_form->state().PastedText.startsWith(entry.skillCaption(1) + u"  20\n"_s));
    // In the list's language, remembered as a pick is.
    QCOMPARE(ui.Combo1->currentText(), language);
    QCOMPARE(m_platform->settings.value(kLanguageSetting).toString(), language);
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
    QString unknown = english;
    unknown.replace(u"Passing: prolific"_s, u"Passing: superb"_s);
    QTest::newRow("unknown level name") << u"English"_s << unknown << QString();
    QTest::newRow("no language reads it") << u"Deutsch"_s << unknown << unknown;
    QTest::newRow("no language reads it, Français chosen") << u"Français"_s << unknown << QString();
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
    // In the language chosen, which the text was not read in.
    QCOMPARE(m_platform->messageTitles, QStringList{QCoreApplication::translate("ErrorBox", "ERROR")});
    QCOMPARE(m_platform->messageTexts.size(), 1);
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->controls().Combo1->currentText(), language);
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

void Form1Test::otherSkillsShowTheirListedLevels()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 20, 12, 1});
    m_form->Command1_Click();
    QCOMPARE(ui.LevelText[11]->text(), u"legendary"_s);
    QCOMPARE(colorOf(ui.LevelText[11]), levelColor(20));
    QCOMPARE(ui.LevelText[12]->text(), u"sensational"_s);
    QCOMPARE(colorOf(ui.LevelText[12]), levelColor(12));
    QCOMPARE(ui.LevelText[13]->text(), u"atrocious"_s);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample)); // no salary level moved
    QCOMPARE(m_form->state().Salary, computeSalary(levelsOf(kSample))->salary);

    pickLanguage(*m_form, u"Türkçe"_s);
    QCOMPARE(ui.LevelText[11]->text(), u"efsanevi"_s);
    QCOMPARE(colorOf(ui.LevelText[11]), levelColor(20));
    QCOMPARE(ui.LevelText[12]->text(), u"sansasyonel"_s);
    QCOMPARE(ui.LevelText[13]->text(), u"korkunç"_s);

    // A refused list leaves them; a list that stops at Shot Blocking gives them no level.
    m_platform->clipboard = u"nothing"_s;
    m_form->Command1_Click();
    QCOMPARE(ui.LevelText[11]->text(), u"efsanevi"_s);
    m_platform->clipboard = skillList(*findLanguage(u"Türkçe"), kSample).section(u'\n', 0, 9);
    m_form->Command1_Click();
    for (int i = 11; i <= 13; ++i) {
        QCOMPARE(ui.LevelText[i]->text(), u"korkunç"_s);
        QCOMPARE(colorOf(ui.LevelText[i]), QColor(Qt::black));
    }

    // Only the salary skills answer a click, and only they show the pointing hand.
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->cursor().shape(), i <= 10 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Form1Test::levelTooltips_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // imported first; none: as at start
    QTest::addColumn<int>("index");
    // {up} and {down}: the salary after the step; {upChange}, {downChange}: by how much it moves.
    QTest::addColumn<QString>("expected");

    const QList<int> moving{4, 7, 19, 9, 10, 4, 3, 16, 16, 3}; // one step in Jump Range leaves Small Forward
    QTest::newRow("middle level") << u"English"_s << kSample << 4
                                  << u"Handling: 10 of 20, prominent\n+1: {up} (+{upChange})\n"
                                     u"-1: {down} (-{downChange})"_s;
    QTest::newRow("skill not counted at the best position")
            << u"English"_s << kSample << 8 << u"Inside Def.: 3 of 20, awful\n+1: 16 736 (±0)\n-1: 16 736 (±0)"_s;
    QTest::newRow("at 1, before any list") << u"English"_s << QList<int>() << 1
                                           << u"Jump Shot: 1 of 20, atrocious\n+1: {up} (+{upChange})\n"
                                              u"-1: lowest level"_s;
    QTest::newRow("at 20") << u"English"_s << QList<int>{3, 20, 5, 5, 5, 5, 5, 5, 5, 5} << 2
                           << u"Jump Range: 20 of 20, legendary\n+1: highest level\n-1: {down} (-{downChange})"_s;
    QTest::newRow("steps that change the position")
            << u"English"_s << moving << 2
            << u"Jump Range: 7 of 20, respectable\n+1: {up} (+{upChange}) as Shooting Guard\n"
               u"-1: {down} (-{downChange}) as Center"_s;
    QTest::newRow("Türkçe names") << u"Türkçe"_s << moving << 2
                                  << u"Şut Menzili: 20 üzerinden 7, iyi\n+1: {up} (+{upChange}), Şutör Gard olarak\n"
                                     u"-1: {down} (-{downChange}), Pivot olarak"_s;
    QTest::newRow("Stamina from the list") << u"English"_s << kSample << 11
                                           << u"Stamina: 20 of 20, legendary\nThis skill sets no salary."_s;
    QTest::newRow("Experience, no list") << u"Polski"_s << QList<int>() << 13
                                         << u"Doswiadczenie: nie odczytano poziomu\nTa umiejętność nie wpływa na pensję."_s;
}

void Form1Test::levelTooltips()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);
    QFETCH(int, index);
    QFETCH(QString, expected);

    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(*findLanguage(language), levels);
        m_form->Command1_Click();
        QVERIFY(m_platform->messageTitles.isEmpty());
    }
    if (index <= kSalarySkillCount) {
        const SkillLevels now = m_form->state().SkillLevel;
        const qint32 salary = computeSalary(now)->salary;
        auto stepped = [&](int step) {
            SkillLevels moved = now;
            moved[index] = qint16(moved[index] + step);
            return computeSalary(moved)->salary;
        };
        if (now[index] < 20) {
            expected.replace(u"{up}"_s, salaryImportText(stepped(1)));
            expected.replace(u"{upChange}"_s, salaryImportText(stepped(1) - salary));
        }
        if (now[index] > 1) {
            expected.replace(u"{down}"_s, salaryImportText(stepped(-1)));
            expected.replace(u"{downChange}"_s, salaryImportText(salary - stepped(-1)));
        }
    }
    TipWindow *tip = hover(*m_form, m_form->controls().LevelText[index]);
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->text(), expected);
    QVERIFY(tip->bars().isEmpty());
}

void Form1Test::levelTooltipFollowsClicksLanguageAndImport()
{
    const Form1Controls &ui = m_form->controls();
    TipWindow *tip = hover(*m_form, ui.LevelText[1]);
    QVERIFY(tip->isVisible());
    QVERIFY(tip->text().startsWith(u"Jump Shot: 1 of 20, atrocious\n"_s));

    // A click on the label keeps its tip up and shows the new level.
    clickLevel(*m_form, 1, Qt::LeftButton);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->owner(), ui.LevelText[1]);
    QVERIFY(tip->text().startsWith(u"Jump Shot: 2 of 20, pitiful\n"_s));
    QVERIFY(tip->text().endsWith(u"\n-1: 504 (-"_s + salaryImportText(m_form->state().Salary - 504) + u')'));

    pickLanguage(*m_form, u"Deutsch"_s);
    QVERIFY(tip->text().startsWith(u"Sprungwurf: 2 von 20, kläglich\n"_s));
    m_platform->clipboard = skillList(*findLanguage(u"Deutsch"), kSample);
    m_form->Command1_Click();
    QVERIFY(tip->text().startsWith(u"Sprungwurf: 8 von 20, überzeugend\n"_s));

    // Like any tooltip it goes at a click elsewhere, and at one on a label that is not stepped.
    clickLevel(*m_form, 2, Qt::LeftButton);
    QVERIFY(!tip->isVisible());
    hover(*m_form, ui.LevelText[12]);
    QVERIFY(tip->isVisible());
    clickLevel(*m_form, 12, Qt::LeftButton);
    QVERIFY(!tip->isVisible());
    hover(*m_form, ui.LevelText[3]);
    QTest::mouseClick(ui.Image1, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(!tip->isVisible());
}

void Form1Test::positionTooltipCharts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // none: as at start

    QTest::newRow("before any list") << u"English"_s << QList<int>();
    QTest::newRow("Point Guard") << u"English"_s << kSample;
    QTest::newRow("Türkçe, Small Forward") << u"Türkçe"_s << QList<int>{4, 7, 19, 9, 10, 4, 3, 16, 16, 3};
    QTest::newRow("highest levels") << u"Español"_s << QList<int>(13, 20);
}

void Form1Test::positionTooltipCharts()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);
    const LanguageEntry &entry = *findLanguage(language);
    const Form1Controls &ui = m_form->controls();
    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(entry, levels);
        m_form->Command1_Click();
    }
    const auto expected = computeSalary(m_form->state().SkillLevel);

    for (QWidget *owner : {static_cast<QWidget *>(ui.SalaryText), static_cast<QWidget *>(ui.PosText)}) {
        TipWindow *tip = hover(*m_form, owner);
        QVERIFY(tip->isVisible());
        const QList<PositionBar> bars = tip->bars();
        QCOMPARE(bars.size(), 5);
        QStringList lines{QCoreApplication::translate("Advice", "Weekly salary at each position")};
        for (int p = 1; p <= 5; ++p) {
            const PositionBar &bar = bars[p - 1];
            QCOMPARE(bar.position, p);
            QCOMPARE(bar.name, entry.positionName(p));
            QCOMPARE(bar.salary, p == 5 ? expected->roundedCenter : qint32(roundHalfEven(expected->values[p])));
            QCOMPARE(bar.best, p == expected->position);
            lines << QCoreApplication::translate("Advice", bar.best ? "%1: %2 (best)" : "%1: %2")
                             .arg(bar.name, salaryImportText(bar.salary));
        }
        // The best bar carries what the window shows.
        QCOMPARE(salaryImportText(bars[expected->position - 1].salary), ui.SalaryText->text().trimmed());
        QCOMPARE(bars[expected->position - 1].name, ui.PosText->text());
        QCOMPARE(tip->text(), lines.join(u'\n'));

        // Drawn as a chart: a small one, the best bar in the highlight colour.
        QVERIFY2(tip->width() < m_form->width() && tip->height() < 2 * m_form->height(),
                 qPrintable(u"%1 x %2"_s.arg(tip->width()).arg(tip->height())));
        const QImage picture = tip->grab().toImage();
        const QRgb highlight = tip->palette().color(QPalette::Highlight).rgb();
        int longest = 0;
        for (int y = 0; y < picture.height(); ++y) {
            int run = 0;
            for (int x = 0; x < picture.width(); ++x) {
                run = picture.pixel(x, y) == highlight ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        QVERIFY2(longest >= tip->fontMetrics().horizontalAdvance(u'0') * 8, qPrintable(QString::number(longest)));
    }
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

void Form1Test::keysActAsTheirControls_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("height"); // twips
    QTest::addColumn<bool>("open");

    const QStringList press{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s, u"message"_s}; // the clipboard is empty
    QTest::newRow("Return on Calculate Salary") << u"Command1"_s << QKeySequence(Qt::Key_Return) << press << 3525
                                                << true;
    QTest::newRow("Enter on Calculate Salary") << u"Command1"_s << QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)
                                               << press << 3525 << true;
    QTest::newRow("Return on Show Info") << u"Command2"_s << QKeySequence(Qt::Key_Return) << QStringList() << 8850
                                         << true;
    QTest::newRow("Ctrl+Return on Show Info") << u"Command2"_s << QKeySequence(Qt::CTRL | Qt::Key_Return)
                                              << QStringList() << 3525 << true;
    QTest::newRow("Return on the check box") << u"Check1"_s << QKeySequence(Qt::Key_Return) << QStringList() << 3525
                                             << true;
    QTest::newRow("Paste on the check box") << u"Check1"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                            << true;
    QTest::newRow("Paste on the language list") << u"Combo1"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                                << true;
    QTest::newRow("Paste on a level") << u"LevelText_3"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                      << true;
    QTest::newRow("Copy") << u"Command1"_s << QKeySequence(QKeySequence::Copy) << QStringList{u"copy"_s} << 3525
                          << true;
    QTest::newRow("F1 on a level") << u"LevelText_10"_s << QKeySequence(Qt::Key_F1) << QStringList() << 8850 << true;
    QTest::newRow("Ctrl+Q") << u"Combo1"_s << QKeySequence(Qt::CTRL | Qt::Key_Q) << QStringList() << 3525 << false;
}

void Form1Test::keysActAsTheirControls()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, calls);
    QFETCH(int, height);
    QFETCH(bool, open);

    showActive(*m_form);
    auto *target = m_form->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    m_platform->calls.clear();
    QTest::keySequence(target, keys);
    QCOMPARE(m_platform->calls, calls);
    QCOMPARE(m_form->height(), m_form->twips()(height));
    QCOMPARE(m_form->isVisible(), open);
}

void Form1Test::levelKeysStepAsClicks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("button"); // the click it must equal; 0 for none

    QTest::newRow("Up") << 4 << QKeySequence(Qt::Key_Up) << 1;
    QTest::newRow("Right") << 4 << QKeySequence(Qt::Key_Right) << 1;
    QTest::newRow("+") << 4 << QKeySequence(Qt::SHIFT | Qt::Key_Plus) << 1;
    QTest::newRow("keypad +") << 4 << QKeySequence(Qt::KeypadModifier | Qt::Key_Plus) << 1;
    QTest::newRow("Down") << 4 << QKeySequence(Qt::Key_Down) << 2;
    QTest::newRow("Left") << 4 << QKeySequence(Qt::Key_Left) << 2;
    QTest::newRow("-") << 4 << QKeySequence(Qt::Key_Minus) << 2;
    QTest::newRow("keypad -") << 4 << QKeySequence(Qt::KeypadModifier | Qt::Key_Minus) << 2;
    QTest::newRow("Up at 20") << 1 << QKeySequence(Qt::Key_Up) << 1;
    QTest::newRow("Down at 2, then at 1") << 10 << QKeySequence(Qt::Key_Down, Qt::Key_Down) << 2;
    QTest::newRow("Ctrl+Up") << 4 << QKeySequence(Qt::CTRL | Qt::Key_Up) << 0;
    QTest::newRow("a letter") << 4 << QKeySequence(Qt::Key_A) << 0;
}

void Form1Test::levelKeysStepAsClicks()
{
    QFETCH(int, index);
    QFETCH(QKeySequence, key);
    QFETCH(int, button);

    QList<int> levels = kSample;
    levels[0] = 20;
    m_platform->clipboard = skillList(*findLanguage(u"English"), levels);
    m_form->Command1_Click();
    Form1 clicked(*m_platform);
    clicked.Command1_Click();
    QCOMPARE(viewOf(clicked), viewOf(*m_form));

    showActive(*m_form);
    LevelLabel *label = m_form->controls().LevelText[index];
    label->setFocus(Qt::TabFocusReason);
    m_platform->calls.clear();
    QTest::keySequence(label, key);
    if (button != 0)
        for (int i = 0; i < key.count(); ++i)
            clicked.LevelText_MouseDown(index, button);
    QCOMPARE(viewOf(*m_form), viewOf(clicked));
    QCOMPARE(m_form->state().SkillLevel, clicked.state().SkillLevel);
    QCOMPARE(m_form->state().Salary, clicked.state().Salary);
    QVERIFY(m_platform->calls.isEmpty());
    QCOMPARE(QApplication::focusWidget(), label);
}

void Form1Test::copyReadsBackAsTheShownPlayer_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // imported first; none: copied at start

    QTest::newRow("at start") << u"English"_s << QList<int>();
    QRandomGenerator random(58203);
    for (const QString &language : languageNames()) {
        QList<int> levels;
        for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
            levels << random.bounded(1, 21);
        QTest::newRow(language.toUtf8().constData()) << language << levels;
    }
}

void Form1Test::copyReadsBackAsTheShownPlayer()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);

    const Form1Controls &ui = m_form->controls();
    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(*findLanguage(language), levels);
        m_form->Command1_Click();
        m_form->LevelText_MouseDown(5, 1); // the salary now shows in the click form
        m_form->LevelText_MouseDown(5, 2);
    }
    showActive(*m_form);
    QTest::keySequence(m_form, QKeySequence::Copy);
    const QString copied = m_platform->clipboard;
    const QStringList lines = copied.split(u'\n');
    QCOMPARE(lines.size(), kSkillCaptionCount + 2); // the last line ends too
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        QCOMPARE(lines[k - 1], ui.SkillCaption[k]->text() + u' ' + ui.LevelText[k]->text());
    // The salary as an import shows it, its caption without the colon (a 14th).
    QCOMPARE(lines[kSkillCaptionCount], ui.Label_Salary->text().chopped(1) + u' ' + ui.SalaryText->text().trimmed()
                                                + u" ("_s + ui.PosText->text() + u')');
    if (levels.isEmpty())
        QCOMPARE(lines[kSkillCaptionCount], u"Weekly Salary 504 (Small Forward)"_s);

    // Pasted back into a window in English: the same player, in the copy's language.
    m_platform->settings.remove(kLanguageSetting);
    Form1 pasted(*m_platform);
    pasted.Command1_Click();
    QVERIFY(m_platform->messageTitles.isEmpty());
    QCOMPARE(pasted.controls().Combo1->currentText(), language);
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        QCOMPARE(pasted.controls().LevelText[k]->text(), ui.LevelText[k]->text());
    QCOMPARE(pasted.state().SkillLevel, m_form->state().SkillLevel);
    QCOMPARE(pasted.state().BestPosition, m_form->state().BestPosition);
    QCOMPARE(pasted.controls().SalaryText->text(), ui.SalaryText->text().trimmed());
    QCOMPARE(pasted.controls().PosText->text(), ui.PosText->text());
}

void Form1Test::resultMenu_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("menu");

    QTest::newRow("salary") << u"SalaryText"_s << true;
    QTest::newRow("position") << u"PosText"_s << true;
    QTest::newRow("bare surface") << u"Form1"_s << false;
    QTest::newRow("salary caption") << u"Label_Salary"_s << false;
    QTest::newRow("level") << u"LevelText_1"_s << false;
}

void Form1Test::resultMenu()
{
    QFETCH(QString, target);
    QFETCH(bool, menu);

    showActive(*m_form);
    auto *widget = target == m_form->objectName() ? m_form : m_form->findChild<QWidget *>(target);
    QVERIFY(widget);
    m_platform->calls.clear();
    const QPoint at(2, 2);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);

    auto *shown = m_form->findChild<QMenu *>();
    if (!menu) {
        QVERIFY(!shown || !shown->isVisible());
        QVERIFY(m_platform->calls.isEmpty());
        QCOMPARE(m_form->controls().Check1->value(), 1);
        return;
    }
    QVERIFY(shown && shown->isVisible());
    QStringList texts;
    for (QAction *action : shown->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{u"Copy"_s, u"Paste and Calculate"_s}));
    shown->actions()[0]->trigger();
    QCOMPARE(m_platform->calls, QStringList{u"copy"_s});
    shown->actions()[1]->trigger();
    QCOMPARE(m_platform->calls, (QStringList{u"copy"_s, u"pause 100"_s, u"clipboard"_s, u"pause 100"_s}));
    QVERIFY(m_platform->messageTitles.isEmpty()); // the copy read back
    shown->close();
}

void Form1Test::settingsRestoredAtStart_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("check");
    QTest::addColumn<QVariant>("position"); // none: placed by the window manager

    const QString language = kLanguageSetting;
    const QString onTop = kOnTopSetting;
    auto at = [](const QVariant &x, const QVariant &y) {
        return QVariantMap{{kPositionXSetting, x}, {kPositionYSetting, y}};
    };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVariantMap all = at(120, 90);
    all.insert(language, u"Deutsch"_s);
    all.insert(onTop, false);
    QVariantMap asText = at(u"0"_s, u"0"_s); // the words a text file gives back
    asText.insert(language, u"Português"_s);
    asText.insert(onTop, u"false"_s);

    QTest::newRow("first start") << QVariantMap() << u"English"_s << 1 << QVariant();
    QTest::newRow("all three") << all << u"Deutsch"_s << 0 << QVariant(QPoint(120, 90));
    QTest::newRow("as a text file keeps them") << asText << u"Português"_s << 0 << QVariant(QPoint(0, 0));
    QTest::newRow("on top kept") << QVariantMap{{onTop, u"TRUE"_s}} << u"English"_s << 1 << QVariant();
    QTest::newRow("unknown language") << QVariantMap{{language, u"Klingon"_s}} << u"English"_s << 1 << QVariant();
    QTest::newRow("language in small letters") << QVariantMap{{language, u"deutsch"_s}} << u"English"_s << 1
                                               << QVariant();
    QTest::newRow("language as a number") << QVariantMap{{language, 5}} << u"English"_s << 1 << QVariant();
    QTest::newRow("language as a list") << QVariantMap{{language, QStringList{u"Deutsch"_s}}} << u"English"_s << 1
                                        << QVariant();
    QTest::newRow("on top as a word") << QVariantMap{{onTop, u"maybe"_s}} << u"English"_s << 1 << QVariant();
    QTest::newRow("on top as a number") << QVariantMap{{onTop, 0}} << u"English"_s << 1 << QVariant();
    QTest::newRow("place off every screen") << at(screen.right() + 500, screen.bottom() + 500) << u"English"_s << 1
                                            << QVariant();
    QTest::newRow("place with a sliver showing") << at(screen.right() - 10, 50) << u"English"_s << 1 << QVariant();
    QTest::newRow("place with the title bar above") << at(100, screen.top() - 50) << u"English"_s << 1
                                                    << QVariant();
    QTest::newRow("place partly off to the left") << at(screen.left() - 200, 50) << u"English"_s << 1
                                                  << QVariant(QPoint(screen.left() - 200, 50));
    QTest::newRow("place far out") << at(INT_MAX, INT_MAX) << u"English"_s << 1 << QVariant();
    QTest::newRow("place far out the other way") << at(INT_MIN, u"-2147483648"_s) << u"English"_s << 1 << QVariant();
    QTest::newRow("place of junk") << at(u"abc"_s, 80) << u"English"_s << 1 << QVariant();
    QTest::newRow("place as a point") << QVariantMap{{kPositionXSetting, QPoint(100, 80)}} << u"English"_s << 1
                                      << QVariant();
    const QString desktop = u"desktop"_s;
    QTest::newRow("German second on the desktop") << QVariantMap{{desktop, QStringList{u"ja"_s, u"de-DE"_s}}}
                                                  << u"Deutsch"_s << 1 << QVariant();
    QTest::newRow("Turkish desktop") << QVariantMap{{desktop, QStringList{u"tr_TR.UTF-8"_s}}} << u"Türkçe"_s << 1
                                     << QVariant();
    QTest::newRow("Japanese desktop") << QVariantMap{{desktop, QStringList{u"ja-JP"_s}}} << u"English"_s << 1
                                      << QVariant();
    QTest::newRow("remembered over desktop")
            << QVariantMap{{desktop, QStringList{u"de"_s}}, {language, u"Polski"_s}} << u"Polski"_s << 1 << QVariant();
    QTest::newRow("half a place") << QVariantMap{{kPositionXSetting, 100}} << u"English"_s << 1 << QVariant();
}

void Form1Test::settingsRestoredAtStart()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QString, language);
    QFETCH(int, check);
    QFETCH(QVariant, position);

    RecordingPlatform platform;
    platform.settings = stored;
    Form1 form(platform);
    const Form1Controls &ui = form.controls();
    QCOMPARE(ui.Combo1->currentText(), language);
    QCOMPARE(ui.Check1->value(), check);
    QCOMPARE(platform.calls, QStringList{check == 1 ? u"on"_s : u"off"_s}); // the load handler's one call
    QCOMPARE(form.testAttribute(Qt::WA_Moved), position.isValid());
    if (position.isValid())
        QCOMPARE(form.pos(), position.toPoint());

    // The start the language switch gives, and nothing written.
    const LanguageEntry &entry = *findLanguage(language);
    QCOMPARE(ui.SkillCaption[1]->text(), entry.skillCaption(1));
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->text(), entry.levelName(1));
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
    QCOMPARE(ui.PosText->text(), entry.positionName(3));
    QCOMPARE(form.state().LevelColor[20], 6730510u);
    QVERIFY(platform.settingWrites.isEmpty());
    QCOMPARE(platform.settings, stored);

    // The box, unticked quietly at start, answers the next click as ever.
    QTest::mouseClick(ui.Check1, Qt::LeftButton, {}, QPoint(5, ui.Check1->height() / 2));
    QCOMPARE(ui.Check1->value(), 1 - check);
    QCOMPARE(platform.topMost.last(), check == 0);
}

void Form1Test::settingsFollowTheUser()
{
    RecordingPlatform platform;
    auto form = std::make_unique<Form1>(platform);
    pickLanguage(*form, u"Italiano"_s);
    QCOMPARE(platform.settings.value(kLanguageSetting), QVariant(u"Italiano"_s));
    ValueCheckBox *box = form->controls().Check1;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(platform.settings.value(kOnTopSetting), QVariant(false));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(form->twips()(3000), form->twips()(150)));
    QCOMPARE(platform.settings.value(kOnTopSetting), QVariant(true));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));

    // What is not a setting, or not a change, writes nothing.
    const QStringList written = platform.settingWrites;
    QCOMPARE(written, (QStringList{kLanguageSetting, kOnTopSetting, kOnTopSetting, kOnTopSetting}));
    pickLanguage(*form, u"Italiano"_s);
    platform.clipboard = skillList(*findLanguage(u"Italiano"), kSample);
    form->Command1_Click();
    form->LevelText_MouseDown(3, 1);
    form->Command2_Click();
    form->Command2_Click();
    QCOMPARE(platform.settingWrites, written);

    form->move(150, 100);
    showActive(*form);
    const QPoint place = form->pos();
    QVERIFY(form->close());
    QCOMPARE(platform.settings.value(kPositionXSetting), QVariant(place.x()));
    QCOMPARE(platform.settings.value(kPositionYSetting), QVariant(place.y()));

    // The next run starts where this one ended.
    platform.calls.clear();
    form = std::make_unique<Form1>(platform);
    QCOMPARE(form->controls().Combo1->currentText(), u"Italiano"_s);
    QCOMPARE(form->controls().Check1->value(), 0);
    QCOMPARE(platform.calls, QStringList{u"off"_s});
    QCOMPARE(form->pos(), place);
}

void Form1Test::settingsFileSurvivesBadFolders_data()
{
    QTest::addColumn<QString>("folder"); // what stands where the settings go
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("language"); // what the next start shows
    QTest::addColumn<bool>("setAside");    // the file moved to Wagecourt.conf.bad

    QTest::newRow("none yet") << u"none"_s << true << u"Português"_s << false;
    QTest::newRow("a file of junk") << u"junk"_s << true << u"Português"_s << true;
    QTest::newRow("a huge file") << u"huge"_s << true << u"Português"_s << true;
    QTest::newRow("a stale lock") << u"stale lock"_s << true << u"Português"_s << false;
    QTest::newRow("a lock directory") << u"lock directory"_s << false << u"English"_s << false;
    QTest::newRow("the file is a folder") << u"file is a folder"_s << false << u"English"_s << false;
    QTest::newRow("the folder is a file") << u"folder is a file"_s << false << u"English"_s << false;
    QTest::newRow("two windows, the last choice kept") << u"two windows"_s << true << u"English"_s << false;
}

void Form1Test::settingsFileSurvivesBadFolders()
{
    QFETCH(QString, folder);
    QFETCH(bool, kept);
    QFETCH(QString, language);
    QFETCH(bool, setAside);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString config = scratch.filePath(u"config"_s);
    const QString file = config + u"/Wagecourt/Wagecourt.conf"_s;
    const auto put = [&](const QString &path, const QByteArray &bytes) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    };
    if (folder != u"folder is a file"_s)
        QVERIFY(QDir().mkpath(config + u"/Wagecourt"_s));
    if (folder == u"junk"_s) {
        QByteArray junk(4096, 0);
        QRandomGenerator random(7);
        for (char &c : junk)
            c = char(random.bounded(256));
        put(file, junk + "\n[General]\nlanguage=Klingon\nalwaysOnTop=maybe\n[position]\nx=99999999999\ny=@Point(1 2)\n");
    } else if (folder == u"huge"_s) {
        put(file, "[General]\nlanguage=Deutsch\n" + QByteArray(100'000, '#'));
    } else if (folder == u"stale lock"_s) {
        put(file + u".lock"_s, "junk");
        QFile lock(file + u".lock"_s);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    } else if (folder == u"lock directory"_s) {
        QVERIFY(QDir().mkpath(file + u".lock"_s));
    } else if (folder == u"file is a folder"_s) {
        QVERIFY(QDir().mkpath(file));
    } else if (folder == u"folder is a file"_s) {
        put(config, {});
    }
    const QByteArray ownConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restoreConfig = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", ownConfig); });
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));

    {
        DesktopPlatform platform;
        Form1 form(platform);
        QCOMPARE(form.controls().Combo1->currentText(), u"English"_s);
        QCOMPARE(form.controls().Check1->value(), 1);
        QVERIFY(!form.testAttribute(Qt::WA_Moved));
        if (folder == u"two windows"_s) {
            // The other window's choice is in the file; this one's own copy is stale.
            DesktopPlatform otherPlatform;
            Form1 other(otherPlatform);
            pickLanguage(other, u"Italiano"_s);
            QTRY_VERIFY(QSettings(file, QSettings::IniFormat).value(kLanguageSetting) == u"Italiano"_s);
        }
        pickLanguage(form, language);
        form.controls().Check1->setValue(0);
        QCOMPARE(form.controls().PosText->text(), findLanguage(language)->positionName(3));
    }
    {
        DesktopPlatform platform;
        Form1 form(platform);
        QCOMPARE(form.controls().Combo1->currentText(), kept ? language : u"English"_s);
        QCOMPARE(form.controls().Check1->value(), kept ? 0 : 1);
    }
    QCOMPARE(QFileInfo(file).isFile(), folder != u"file is a folder"_s && folder != u"folder is a file"_s
                                               && folder != u"lock directory"_s);
    QCOMPARE(QFileInfo::exists(file + u".bad"_s), setAside);
    if (kept)
        QVERIFY(QFileInfo(file).size() < 1024);
}

int main(int argc, char *argv[])
{
    // Never the user's own settings, even when run by hand.
    QTemporaryDir scratchConfig;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", scratchConfig.path().toLocal8Bit());
    QApplication::setQuitOnLastWindowClosed(false); // a test closing a window ends no run
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
