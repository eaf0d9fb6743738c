#include "ui/form1.h"

#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "presentation/plantext.h"
#include "presentation/resulttext.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"
#include "ui/plan/trainingplanwindow.h"
#include "ui/platform/platform.h"
#include "ui/playerbook/form1book.h"
#include "ui/playerbook/placement.h"
#include "ui/settings.h"
#include "ui/tooltips.h"
#include "usecases/links.h"
#include "usecases/playerview.h"
#include "usecases/readlist.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kPauseMilliseconds = 100;
// The browser picture of the instructions, showing the skill list as the game
// shows it in that language; English is the picture drawn first.
QString instructionPicture(QStringView languageCode)
{
    return languageCode == u"en" ? u":/pictures/screenshot.jpg"_s : u":/pictures/screenshot_%1.jpg"_s.arg(languageCode);
}

qreal screenDpi(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform), m_twips(screenDpi(this)), m_scale(TextScale::of(this))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(windowtext::titleText());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(m_twips(kClientWidth), m_twips(kCompactClientHeight));

    createControls();
    m_tips = new Form1Tips(ui, m_state, this);
    createKeys();
    Form_Load();
    m_loaded = true;
}

void Form1::createKeys()
{
    m_copy = new QAction(windowtext::kCopy.translated(), this);
    m_copy->setShortcuts(QKeySequence::Copy);
    connect(m_copy, &QAction::triggered, this, &Form1::copyPlayer);

    // The same press as the button's: its pauses, its check, its ERROR box.
    m_paste = new QAction(windowtext::kPasteAndCalculate.translated(), this);
    m_paste->setShortcuts(QKeySequence::Paste);
    connect(m_paste, &QAction::triggered, this, &Form1::Command1_Click);

    auto *info = new QAction(this);
    info->setShortcut(Qt::Key_F1);
    connect(info, &QAction::triggered, this, &Form1::Command2_Click);

    // Some platforms bind no key to quitting; Ctrl+Q serves there.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    auto *quit = new QAction(this);
    quit->setShortcuts(quitKeys);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    // Greyed until a player is shown: there is no one to plan before.
    m_planAction = new QAction(plantext::kTrainingPlan.translated(), this);
    m_planAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_planAction->setEnabled(false);
    connect(m_planAction, &QAction::triggered, this, &Form1::openTrainingPlan);

    m_book = new Form1Book(*this, m_platform);
    addActions({m_copy, m_paste, info, quit, m_book->keepAction(), m_book->bookAction(), m_planAction});
    createBookControls();

    for (Caption *result : {ui.SalaryText, ui.PosText}) {
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, this,
                [this, result](const QPoint &at) { showResultMenu(result->mapToGlobal(at)); });
    }
}

void Form1::showResultMenu(const QPoint &globalPosition)
{
    if (!m_resultMenu) {
        m_resultMenu = new QMenu(this);
        m_resultMenu->setToolTipsVisible(true); // why Keep in Book is greyed
        m_resultMenu->addAction(m_copy);
        m_resultMenu->addAction(m_paste);
        m_resultMenu->addSeparator();
        m_resultMenu->addAction(m_book->keepAction());
        m_resultMenu->addAction(m_book->bookAction());
        m_resultMenu->addAction(m_planAction);
    }
    m_resultMenu->popup(globalPosition);
}

void Form1::remember(const QString &key, const QVariant &value)
{
    if (!m_loaded)
        return;
    // Text formats give back every value as its text.
    const QVariant stored = m_platform.setting(key);
    const bool same = stored.typeId() == value.typeId()
            ? stored == value
            : stored.typeId() == QMetaType::QString && stored.toString() == value.toString();
    if (!same)
        m_platform.setSetting(key, value);
}

void Form1::setClientHeight(int twips)
{
    // A fixed border: the user cannot drag it, only the info toggle changes it.
    setFixedSize(width(), m_twips(twips));
}

void Form1::Form_Load()
{
    // The last run's choices; with none, the first start's: on top, English,
    // placed by the window manager.
    const RememberedSettings remembered = readSettings(m_platform, size());
    // Before step one makes the native window: only then does the place count
    // for the frame, as the place read at close did.
    if (remembered.position)
        move(*remembered.position);
    if (!remembered.onTop) {
        // Unticked before step one, which then takes the window off the top; the
        // box's own handler must not run as well.
        const QSignalBlocker quiet(ui.Check1);
        ui.Check1->setValue(0);
    }
    m_platform.setTopMost(this, ui.Check1->value() == 1);
    m_book->followOnTop(ui.Check1->value() == 1);
    m_state.resetLevelsAndPosition();
    ui.Combo1->select(remembered.languageIndex); // runs the language switch before the next step
    // Decoded once, in the language the window starts in.
    ui.Image2->showResource(instructionPicture(m_translators.code()), m_scale.devicePixelRatio);
    m_state.fillLevelColors();
}

void Form1::Combo1_Click()
{
    if (const LanguageEntry *language = findLanguage(ui.Combo1->currentText())) {
        m_state.LevelName = language->levelNameTable();
        m_state.PositionName = language->positionNameTable();
        for (int i = 1; i <= kSkillCaptionCount; ++i)
            ui.SkillCaption[i]->setCaption(language->skillCaption(i));
        ui.Command1->setText(language->calculateCaption.toString());
        ui.Label_Salary->setCaption(language->salaryCaption.toString());
        ui.Check1->setCaption(language->alwaysOnTopCaption.toString());
        remember(kLanguageSetting, ui.Combo1->currentText());
        useLanguage(int(language - languages().data()));
        m_book->setLanguage(*language);
        refreshTrainingPlan();
    }

    anchorLevelLabels();
    for (int i = 1; i <= kSalarySkillCount; ++i)
        ui.LevelText[i]->setCaption(m_state.LevelName[m_state.SkillLevel[i]]);
    for (int i = kFirstOtherSkill; i <= kSkillCaptionCount; ++i)
        ui.LevelText[i]->setCaption(m_state.LevelName[otherLevelShown(i)]);
    ui.PosText->setCaption(m_state.PositionName[m_state.BestPosition]);
    m_tips->refresh();
}

void Form1::useLanguage(int languageIndex)
{
    // The info state lives in Command2's caption, which reads as a state only
    // in the language it was written in.
    const bool infoShown = ui.Command2->text() == windowtext::kHideInfo.translated();
    if (!m_translators.use(languageCode(languages()[std::size_t(languageIndex)])))
        return; // English at start: nothing to load
    if (m_loaded) // at start, Form_Load() shows the picture
        ui.Image2->showResource(instructionPicture(m_translators.code()), m_scale.devicePixelRatio);
    retranslate(infoShown, languages()[std::size_t(languageIndex)]);
}

// The one place where the window's fixed texts are set again after the
// translations changed.
void Form1::retranslate(bool infoShown, const LanguageEntry &language)
{
    setWindowTitle(windowtext::titleText());
    ui.Command2->setText((infoShown ? windowtext::kHideInfo : windowtext::kShowInfo).translated());
    m_copy->setText(windowtext::kCopy.translated());
    m_paste->setText(windowtext::kPasteAndCalculate.translated());
    m_planAction->setText(plantext::kTrainingPlan.translated());
    ui.Label1->setCaption(windowtext::kCredit.translated());
    ui.Label2->setCaption(windowtext::kInstructions.translated());
    ui.Label3->setCaption(windowtext::step1Text(language));
    ui.Label4->setCaption(windowtext::kStep2.translated());
    ui.Label5->setCaption(windowtext::step3Text(language));
    ui.Label6->setCaption(windowtext::kStep4.translated());
    ui.Image1->setAccessibleName(windowtext::kPlayerCard.translated());
    ui.Image2->setAccessibleName(windowtext::kCopyingPicture.translated());
    ui.PosText->setAccessibleDescription(windowtext::kBestPosition.translated());
    ui.SalaryText->setAccessibleDescription(windowtext::kWeeklySalary.translated());
    describeLevelLabels(language);
    retranslateBookControls();
}

void Form1::Command1_Click()
{
    m_platform.pause(kPauseMilliseconds);
    const ClipboardText clipboard = m_platform.clipboardText(kMaxPastedCharacters);
    m_state.PastedText = clipboard.text;
    m_platform.pause(kPauseMilliseconds);

    // A shortlist's link is no skill list: its players are offered for the book.
    if (!clipboard.tooLong)
        if (const usecase::LinkRead link = usecase::readLink(clipboard.text); link.isLink) {
            m_book->offerLink(link);
            return;
        }

    // An oversized text is no skill list and is turned away before any work on
    // it. A list in another language than the chosen one switches the window
    // to its language, as a pick in the list would, and is then shown in it.
    // A list is taken whole or not at all.
    const usecase::ReadOutcome read = clipboard.tooLong
            ? usecase::ReadOutcome{}
            : usecase::readChosenFirst(clipboard.text, findLanguage(ui.Combo1->currentText()));
    if (!read.accepted()) {
        m_platform.showMessage(windowtext::kErrorTitle.translated(), windowtext::kErrorText.translated());
        return;
    }
    if (read.list->language->name != ui.Combo1->currentText())
        ui.Combo1->select(ui.Combo1->findText(read.list->language->name.toString()));
    usecase::takeList(m_state, *read.list);
    ShowImportResult();
    showPlayerName({}, {}); // a list names no one
    m_book->playerShown();
}

void Form1::offerLink(const QString &text)
{
    m_book->offerLink(usecase::readLink(text, true));
}

void Form1::Command2_Click()
{
    const QString caption = ui.Command2->text();
    const QString showInfo = windowtext::kShowInfo.translated();
    const QString hideInfo = windowtext::kHideInfo.translated();
    if (caption == showInfo) {
        setClientHeight(kExpandedClientHeight);
        ui.Command2->setText(hideInfo);
    } else if (caption == hideInfo) {
        setClientHeight(kCompactClientHeight);
        ui.Command2->setText(showInfo);
    }
}

void Form1::Check1_Click()
{
    switch (ui.Check1->value()) {
    case 1:
        m_platform.setTopMost(this, true);
        m_book->followOnTop(true);
        remember(kOnTopSetting, true);
        break;
    case 0:
        m_platform.setTopMost(this, false);
        m_book->followOnTop(false);
        remember(kOnTopSetting, false);
        break;
    default: break;
    }
}

void Form1::Form_MouseDown(int button)
{
    if (button != 1)
        return;
    switch (ui.Check1->value()) {
    case 0:
        m_platform.setTopMost(this, true);
        ui.Check1->setValue(1); // runs Check1_Click, nested
        break;
    case 1:
        m_platform.setTopMost(this, false);
        ui.Check1->setValue(0);
        break;
    default: break;
    }
}

void Form1::LevelText_MouseDown(int index, int button)
{
    if (index > kSalarySkillCount)
        return; // Stamina, Free Throw and Experience hold no level
    qint16 &level = m_state.SkillLevel[index];
    if (button == 2 && level != kLowestLevel)
        --level;
    if (button == 1 && level != kHighestLevel)
        ++level;
    CalcSalary(m_state);
    ShowClickResult(index);
    m_tips->refresh(); // a tip up for this label follows the new level
}

bool Form1::event(QEvent *event)
{
    // A screen of another scale wants other faces and pictures; the window may
    // also first show on another screen than the one it was built for.
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    )
        applyScale(TextScale::of(this));
    return QWidget::event(event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    // Only presses on the bare surface arrive here: labels, pictures and the
    // other controls keep theirs.
    Form_MouseDown(buttonNumber(event->button()));
    QWidget::mousePressEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A kept player still waiting for the book is not lost unasked.
    if (!m_book->readyToQuit()) {
        event->ignore();
        return;
    }
    if (isVisible()) {
        remember(kPositionXSetting, pos().x());
        remember(kPositionYSetting, pos().y());
    }
    m_book->closeWindows();
    QWidget::closeEvent(event);
}

void Form1::copyPlayer()
{
    const LanguageEntry *language = findLanguage(ui.Combo1->currentText());
    const auto view = language ? usecase::viewPlayer(*language, m_state.SkillLevel, m_state.OtherSkillLevel)
                               : std::nullopt;
    if (view && !view->copyText.isEmpty())
        m_platform.setClipboardText(view->copyText);
}

void Form1::showLevels(const SkillLevels &levels, const OtherSkillLevels &others)
{
    m_state.SkillLevel = levels;
    m_state.OtherSkillLevel = others;
    CalcSalary(m_state);
    ShowImportResult();
}

void Form1::showPlayerName(const QString &name, const QString &tip)
{
    m_playerName->setName(name, tip);
    refreshTrainingPlan();
}

void Form1::openTrainingPlan()
{
    if (!m_planAction->isEnabled())
        return;
    if (!m_planWindow)
        m_planWindow = new TrainingPlanWindow(m_platform, this);
    if (!m_planWindow->isVisible()) {
        m_planWindow->setWindowFlag(Qt::WindowStaysOnTopHint, ui.Check1->value() == 1);
        refreshTrainingPlan(true);
        // Beside the main window where the screen has room, over it where it has none.
        const QMargins margins = frameMargins(m_planWindow, this);
        const QRect available = availableArea(this);
        setFrameGeometry(m_planWindow,
                         frameBeside(frameGeometry(), m_planWindow->sizeHint().grownBy(margins),
                                     m_planWindow->minimumSizeHint().grownBy(margins), available),
                         margins);
        m_planWindow->show();
        keepInsideWhenFramed(m_planWindow, available);
    }
    m_planWindow->raise();
    m_planWindow->activateWindow();
}

void Form1::refreshTrainingPlan(bool evenHidden)
{
    if (!m_planWindow || !(evenHidden || m_planWindow->isVisible()) || !m_planAction->isEnabled())
        return;
    if (const LanguageEntry *language = findLanguage(ui.Combo1->currentText()))
        m_planWindow->plan(m_state.SkillLevel, *language, m_book->player(playerNameShown()));
}

QString Form1::playerNameShown() const
{
    return m_playerName->name();
}

void Form1::ShowLevel(int k)
{
    const int level = m_state.SkillLevel[k];
    ui.LevelText[k]->setCaption(m_state.LevelName[level]);
    ui.LevelText[k]->setTextColor(m_state.LevelColor[level]);
}

// Stamina, Free Throw and Experience set no salary, but show what the last
// list gave them; where it gave nothing readable, the lowest level as at start.
int Form1::otherLevelShown(int i) const
{
    const int level = m_state.OtherSkillLevel[i];
    return isValidLevel(level) ? level : kLowestLevel;
}

void Form1::ShowOtherLevel(int i)
{
    const int level = otherLevelShown(i);
    ui.LevelText[i]->setCaption(m_state.LevelName[level]);
    ui.LevelText[i]->setTextColor(m_state.LevelColor[level]);
}

void Form1::ShowImportResult()
{
    for (int k = 1; k <= kSalarySkillCount; ++k)
        ShowLevel(k);
    for (int i = kFirstOtherSkill; i <= kSkillCaptionCount; ++i)
        ShowOtherLevel(i);
    ui.SalaryText->setCaption(salaryImportText(m_state.Salary));
    ui.PosText->setCaption(m_state.PositionName[m_state.BestPosition]);
    m_tips->refresh();
    m_planAction->setEnabled(true);
    refreshTrainingPlan();
}

void Form1::ShowClickResult(int k)
{
    ShowLevel(k);
    ui.SalaryText->setCaption(salaryClickText(m_state.Salary));
    ui.PosText->setCaption(m_state.PositionName[m_state.BestPosition]);
    refreshTrainingPlan();
}

} // namespace wagecourt::ui
