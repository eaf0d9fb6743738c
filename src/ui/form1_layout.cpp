// The window's fixed layout: every control's place and size in twips, its font,
// colour and first text, in the order the controls are created.
#include "catalogue/catalogue.h"
#include "presentation/advicetext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/windowtexts.h"
#include "ui/cardgeometry.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/playerbook/form1book.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

#include <type_traits>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

enum class ControlKind {
    Button,
    WrappingButton,
    LanguageList,
    CheckBox,
    Label,
    AutoSizeLabel,
    SkillCaption,
    LevelLabel,
    Picture
};

// 0 points: the application's font.
struct ControlFont
{
    Face face = Face::Tahoma;
    qreal points = 0;
    bool bold = false;
    bool underline = false;
};

struct ControlRow
{
    const char *name;
    ControlKind kind;
    Place place;
    ControlFont font;
    // The layout's first caption: a window word of the presentation layer, or
    // (without a context) the catalogue's English word, which the language switch replaces.
    Text caption;
    Text spoken; // a picture's accessible name, a label's description; a level label's skill

    void (*keep)(Form1Controls &ui, QWidget *control);
    int index = 0;
};

namespace {

// The skill captions' places; each level label stands right of its caption.
constexpr Place kJumpShot{card::kLeftColumn, card::kSkillRowTops[0], 810, card::kCaptionHeight};
constexpr Place kJumpRange{card::kRightColumn, card::kSkillRowTops[0], 945, card::kCaptionHeight};
constexpr Place kOutsideDefence{card::kLeftColumn, card::kSkillRowTops[1], 975, card::kCaptionHeight};
constexpr Place kHandling{card::kRightColumn, card::kSkillRowTops[1], 675, card::kCaptionHeight};
constexpr Place kDriving{card::kLeftColumn, card::kSkillRowTops[2], 555, card::kCaptionHeight};
constexpr Place kPassing{card::kRightColumn, card::kSkillRowTops[2], 600, card::kCaptionHeight};
constexpr Place kInsideShot{card::kLeftColumn, card::kSkillRowTops[3], 870, card::kCaptionHeight};
constexpr Place kInsideDefence{card::kRightColumn, card::kSkillRowTops[3], 855, card::kCaptionHeight};
constexpr Place kRebounding{card::kLeftColumn, card::kSkillRowTops[4], 915, card::kCaptionHeight};
constexpr Place kShotBlocking{card::kRightColumn, card::kSkillRowTops[4], 1005, card::kCaptionHeight};
constexpr Place kStamina{card::kLeftColumn, card::kSkillRowTops[5], 630, card::kCaptionHeight};
constexpr Place kFreeThrow{card::kRightColumn, card::kSkillRowTops[5], 885, card::kCaptionHeight};
constexpr Place kExperience{card::kLeftColumn, card::kLastLeftRowTop, 855, card::kCaptionHeight};

constexpr int kLevelLabelWidth = 795; // wide enough for "atrocious"

constexpr Place besideCaption(const Place &caption, int top)
{
    return {caption.left + caption.width + kLevelLabelGap, top, kLevelLabelWidth, card::kCaptionHeight};
}

constexpr Place besideCaption(const Place &caption)
{
    return besideCaption(caption, caption.top);
}

constexpr Place kCreditTextPlace{480, 3765, 7875, 495};

// A caption the catalogue or the layout itself gives, in English.
constexpr Text layoutWord(const char *english)
{
    return {nullptr, english};
}

constexpr ControlFont kApplicationFont{};
constexpr ControlFont kTahoma{Face::Tahoma, 8.25};
constexpr ControlFont kLevelFont{Face::Tahoma, 8.25, true, true};

template <auto Member>
void keepAs(Form1Controls &ui, QWidget *widget)
{
    using Pointer = std::remove_reference_t<decltype(ui.*Member)>;
    ui.*Member = static_cast<Pointer>(widget);
}

// Every control in the order it is created, each behind the ones before it.
// Skill captions and level labels carry their index in the arrays; the first
// caption of a picture is its resource, what is spoken of it its name, and of
// a label its description.
const ControlRow kControls[] = {
        {"Command2",
         ControlKind::Button,
         {7755, 45, 915, 330},
         kApplicationFont,
         windowtext::kShowInfo,
         {},
         keepAs<&Form1Controls::Command2>},
        {"Combo1",
         ControlKind::LanguageList,
         {3690, 45, 2055, 315},
         kApplicationFont,
         {},
         {},
         keepAs<&Form1Controls::Combo1>},
        {"Check1",
         ControlKind::CheckBox,
         {360, 0, 2280, 375},
         kApplicationFont,
         layoutWord("Always on Top"),
         {},
         keepAs<&Form1Controls::Check1>},
        {"Command1",
         ControlKind::WrappingButton,
         {2025, 2130, 1575, 690},
         {Face::MsSansSerif, 9.75, true},
         layoutWord("Calculate Salary"),
         {},
         keepAs<&Form1Controls::Command1>},
        {"Label6",
         ControlKind::Label,
         {540, 8280, 6585, 270},
         kApplicationFont,
         windowtext::kStep4,
         {},
         keepAs<&Form1Controls::Label6>},
        {"Label5",
         ControlKind::Label,
         {540, 7890, 6585, 270},
         kApplicationFont,
         {},
         {},
         keepAs<&Form1Controls::Label5>},
        {"Label4",
         ControlKind::Label,
         {540, 7500, 6585, 270},
         kApplicationFont,
         windowtext::kStep2,
         {},
         keepAs<&Form1Controls::Label4>},
        {"Image2",
         ControlKind::Picture,
         {1605, 5430, 4170, 1935},
         kApplicationFont,
         layoutWord(":/pictures/screenshot.jpg"),
         windowtext::kCopyingPicture,
         keepAs<&Form1Controls::Image2>},
        {"Label3",
         ControlKind::Label,
         {540, 5025, 6585, 270},
         kApplicationFont,
         {},
         {},
         keepAs<&Form1Controls::Label3>},
        {"Label2",
         ControlKind::AutoSizeLabel,
         {540, 4605, 1410, 195},
         {Face::MsSansSerif, 8.25, true, true},
         windowtext::kInstructions,
         {},
         keepAs<&Form1Controls::Label2>},
        {"Label1",
         ControlKind::Label,
         kCreditTextPlace,
         kApplicationFont,
         windowtext::kCredit,
         {},
         keepAs<&Form1Controls::Label1>},
        {"PosText",
         ControlKind::AutoSizeLabel,
         card::kPosition,
         {Face::Tahoma, 9, true},
         layoutWord("Small Forward"),
         windowtext::kBestPosition,
         keepAs<&Form1Controls::PosText>},
        {"SalaryText", ControlKind::Label, card::kSalary, kTahoma, layoutWord(" 504"), windowtext::kWeeklySalary,
         keepAs<&Form1Controls::SalaryText>},
        {"Label_Salary",
         ControlKind::AutoSizeLabel,
         {2040, 1065, 1080, 195},
         kTahoma,
         layoutWord("Weekly Salary:"),
         {},
         keepAs<&Form1Controls::Label_Salary>},
        {"LevelText_13", ControlKind::LevelLabel, besideCaption(kExperience), kLevelFont, layoutWord("atrocious"),
         layoutWord("Experience"), nullptr, 13},
        {"LevelText_12", ControlKind::LevelLabel, besideCaption(kFreeThrow), kLevelFont, layoutWord("atrocious"),
         layoutWord("Free Throw"), nullptr, 12},
        {"LevelText_11", ControlKind::LevelLabel, besideCaption(kStamina, 2265), kLevelFont, layoutWord("atrocious"),
         layoutWord("Stamina"), nullptr, 11},
        {"LevelText_10", ControlKind::LevelLabel, besideCaption(kShotBlocking), kLevelFont, layoutWord("atrocious"),
         layoutWord("Shot Blocking"), nullptr, 10},
        {"LevelText_9", ControlKind::LevelLabel, besideCaption(kRebounding), kLevelFont, layoutWord("atrocious"),
         layoutWord("Rebounding"), nullptr, 9},
        {"LevelText_8", ControlKind::LevelLabel, besideCaption(kInsideDefence), kLevelFont, layoutWord("atrocious"),
         layoutWord("Inside Defence"), nullptr, 8},
        {"LevelText_7", ControlKind::LevelLabel, besideCaption(kInsideShot), kLevelFont, layoutWord("atrocious"),
         layoutWord("Inside Shot"), nullptr, 7},
        {"LevelText_6", ControlKind::LevelLabel, besideCaption(kPassing), kLevelFont, layoutWord("atrocious"),
         layoutWord("Passing"), nullptr, 6},
        {"LevelText_5", ControlKind::LevelLabel, besideCaption(kDriving), kLevelFont, layoutWord("atrocious"),
         layoutWord("Driving"), nullptr, 5},
        {"LevelText_4", ControlKind::LevelLabel, besideCaption(kHandling), kLevelFont, layoutWord("atrocious"),
         layoutWord("Handling"), nullptr, 4},
        {"LevelText_3", ControlKind::LevelLabel, besideCaption(kOutsideDefence), kLevelFont, layoutWord("atrocious"),
         layoutWord("Outside Defence"), nullptr, 3},
        {"LevelText_2", ControlKind::LevelLabel, besideCaption(kJumpRange), kLevelFont, layoutWord("atrocious"),
         layoutWord("Jump Range"), nullptr, 2},
        {"LevelText_1", ControlKind::LevelLabel, besideCaption(kJumpShot), kLevelFont, layoutWord("atrocious"),
         layoutWord("Jump Shot"), nullptr, 1},
        {"Label_XP", ControlKind::SkillCaption, kExperience, kTahoma, layoutWord("Experience:"), {}, nullptr, 13},
        {"Label_FT", ControlKind::SkillCaption, kFreeThrow, kTahoma, layoutWord("Free Throw:"), {}, nullptr, 12},
        {"Label_SB", ControlKind::SkillCaption, kShotBlocking, kTahoma, layoutWord("Shot Blocking:"), {}, nullptr, 10},
        {"Label_ST", ControlKind::SkillCaption, kStamina, kTahoma, layoutWord("Stamina:"), {}, nullptr, 11},
        {"Label_RB", ControlKind::SkillCaption, kRebounding, kTahoma, layoutWord("Rebounding:"), {}, nullptr, 9},
        {"Label_ID", ControlKind::SkillCaption, kInsideDefence, kTahoma, layoutWord("Inside Def.:"), {}, nullptr, 8},
        {"Label_PA", ControlKind::SkillCaption, kPassing, kTahoma, layoutWord("Passing:"), {}, nullptr, 6},
        {"Label_HA", ControlKind::SkillCaption, kHandling, kTahoma, layoutWord("Handling:"), {}, nullptr, 4},
        {"Label_JS", ControlKind::SkillCaption, kJumpShot, kTahoma, layoutWord("Jump Shot:"), {}, nullptr, 1},
        {"Label_IS", ControlKind::SkillCaption, kInsideShot, kTahoma, layoutWord("Inside Shot:"), {}, nullptr, 7},
        {"Label_DR", ControlKind::SkillCaption, kDriving, kTahoma, layoutWord("Driving:"), {}, nullptr, 5},
        {"Label_OD", ControlKind::SkillCaption, kOutsideDefence, kTahoma, layoutWord("Outside Def.:"), {}, nullptr, 3},
        {"Label_JR", ControlKind::SkillCaption, kJumpRange, kTahoma, layoutWord("Jump Range:"), {}, nullptr, 2},
        {"Image1", ControlKind::Picture, card::kPlace, kApplicationFont, layoutWord(":/pictures/playercard.jpg"),
         windowtext::kPlayerCard, keepAs<&Form1Controls::Image1>},
};

// Black text on the colour of an active title bar's text: white in every usual scheme.
const QColor kWindowBackground = Qt::white;

// Text ends this many pixels before such a line: one clear, one for the ink
// that a closed-up last letter or its underline may reach past its label.
constexpr int kClearOfLine = 2;

// The controls without a font of their own and the message box take the
// application's, chosen for the main screen; this window may open on another.
void useDefaultFont(const TextScale &scale)
{
    if (const QFont standard = defaultFont(scale); QApplication::font() != standard)
        QApplication::setFont(standard);
}

} // namespace

void Form1::createControls()
{
    useDefaultFont(m_scale);
    for (const ControlRow &row : kControls)
        createControl(row);
    ui.Combo1->addItems(languageNames()); // the catalogue's names, in its order
    ui.Combo1->setCurrentIndex(-1);
    ui.Check1->setValue(1);
    // Steps 1 and 3 name the first skill and the button as the language writes them.
    ui.Label3->setCaption(windowtext::step1Text(languages().front()));
    ui.Label5->setCaption(windowtext::step3Text(languages().front()));
    ui.Label1->setWordWrap(true);
    ui.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextLimits();
    // The card is seen at once; the instruction picture only once the
    // language is known (see Form_Load()).
    ui.Image1->showAt(m_scale.devicePixelRatio);

    // The info labels sit on the window's own colour; the card's labels paint only their text.
    for (Caption *info : {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6}) {
        info->setAutoFillBackground(true);
        QPalette palette = info->palette();
        palette.setColor(QPalette::Window, kWindowBackground);
        info->setPalette(palette);
    }
    ui.Check1->setBackgroundRole(QPalette::Window); // a button would fill with the button colour
    ui.Check1->setAutoFillBackground(true);

    // The keyboard reaches the four controls as laid out, then the ten levels
    // that hold a level, in skill order.
    setTabOrder(ui.Command1, ui.Check1);
    setTabOrder(ui.Check1, ui.Combo1);
    setTabOrder(ui.Combo1, ui.Command2);
    QWidget *previous = ui.Command2;
    for (int i = 1; i <= kSalarySkillCount; ++i) {
        ui.LevelText[i]->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, ui.LevelText[i]);
        previous = ui.LevelText[i];
    }
    ui.Command1->setFocus();

    connect(ui.Combo1, &LanguageList::clicked, this, &Form1::Combo1_Click);
    connect(ui.Check1, &ValueCheckBox::clickEvent, this, &Form1::Check1_Click);
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

namespace {

QString textOf(const Text &text)
{
    if (!text.english)
        return {};
    return text.context ? text.translated() : QString::fromUtf8(text.english);
}

} // namespace

QWidget *Form1::newControl(const ControlRow &row)
{
    const QString caption = textOf(row.caption);
    switch (row.kind) {
    case ControlKind::Button: return new PushButton(caption, this);
    case ControlKind::WrappingButton: return new WrappingButton(caption, this);
    case ControlKind::LanguageList: return new LanguageList(this);
    case ControlKind::CheckBox: return new ValueCheckBox(this);
    case ControlKind::Label: return new Caption(this, false);
    case ControlKind::AutoSizeLabel: return new Caption(this, true);
    case ControlKind::SkillCaption: return ui.SkillCaption[row.index] = new Caption(this, true);
    case ControlKind::LevelLabel: {
        auto *level = new LevelLabel(this, row.index);
        connect(level, &LevelLabel::mouseDown, this, &Form1::LevelText_MouseDown);
        return ui.LevelText[row.index] = level;
    }
    case ControlKind::Picture: return new Picture(this, caption);
    }
    return nullptr;
}

void Form1::createControl(const ControlRow &row)
{
    QWidget *control = newControl(row);
    control->setObjectName(QLatin1String(row.name));
    if (row.keep)
        row.keep(ui, control);
    const QSize naturalSize = control->size();
    control->setGeometry(m_twips(row.place.left), m_twips(row.place.top), m_twips(row.place.width),
                         m_twips(row.place.height));
    control->lower(); // behind the controls created before it
    if (row.font.points > 0)
        setLaidOutFont({control, row.font.face, row.font.points, row.font.bold, row.font.underline});

    const QString caption = textOf(row.caption);
    const QString spoken = textOf(row.spoken);
    if (auto *label = qobject_cast<Caption *>(control)) {
        label->setCaption(caption);
        if (row.kind == ControlKind::LevelLabel)
            label->setAccessibleDescription(windowtext::skillLevelDescription(spoken));
        else if (!spoken.isEmpty())
            label->setAccessibleDescription(spoken);
    } else if (auto *box = qobject_cast<ValueCheckBox *>(control)) {
        box->setLaidOutWidth(m_twips(row.place.width));
        box->setCaption(caption);
    } else if (qobject_cast<Picture *>(control)) {
        control->resize(naturalSize); // never stretched
        control->setAccessibleName(spoken);
    }
}

void Form1::setLaidOutFont(const LaidOutFont &font)
{
    applyLaidOutFont(font);
    m_fonts.append(font);
}

void Form1::applyLaidOutFont(const LaidOutFont &font)
{
    const QFont scaled = layoutFont(font.face, font.points, font.bold, font.underline, m_scale);
    const qreal overstrike = boldOverstrike(font.face, font.points, font.bold, m_scale);
    if (auto *caption = qobject_cast<Caption *>(font.control))
        caption->setLayoutFont(scaled, overstrike);
    else if (auto *button = qobject_cast<WrappingButton *>(font.control))
        button->setLayoutFont(scaled, overstrike);
}

void Form1::setTextLimits()
{
    // A level label ends before the right column's captions and the accent
    // that marks each of its rows, or at the window's edge. The hand-tuned
    // faces at 1× may reach the card's frame, as the window was laid out;
    // other faces keep clear of it as well.
    const bool laidOut = drawsTunedBitmaps(m_scale);
    const int cardLeft = ui.Image1->x();
    const int columnGap = m_twips(kLevelLabelGap);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        const bool besideRightColumn = i % 2 == 1 && i + 1 <= kSkillCaptionCount;
        int limit = besideRightColumn ? ui.SkillCaption[i + 1]->x() - columnGap : m_twips(kClientWidth);
        if (besideRightColumn || !laidOut)
            limit = std::min(limit, cardLeft + (besideRightColumn ? card::kRightBandX : card::kFrameX) - kClearOfLine);
        ui.LevelText[i]->setRightLimit(limit);
    }
    ui.Label_Salary->setRightLimit(cardLeft + card::kRuleX - kClearOfLine);

    // The credit text's box reaches further down where a face wraps the text
    // onto more lines than it holds; the tuned faces fit it as laid out, and
    // wrapping it costs the first frame a tenth of a millisecond.
    const int laidOutHeight = m_twips(kCreditTextPlace.height);
    const int height = laidOut ? laidOutHeight : std::max(laidOutHeight, ui.Label1->heightForWidth(ui.Label1->width()));
    ui.Label1->resize(ui.Label1->width(), height);
}

// Everything drawn at a new scale: each font in the face that suits it, the
// pictures in their version for it, and the labels fitted to their new text.
void Form1::applyScale(const TextScale &scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    useDefaultFont(scale);
    for (const LaidOutFont &font : std::as_const(m_fonts))
        applyLaidOutFont(font);
    ui.Image1->showAt(scale.devicePixelRatio);
    ui.Image2->showAt(scale.devicePixelRatio);

    for (Caption *caption : {ui.Label2, ui.PosText, ui.Label_Salary})
        caption->setCaption(caption->caption());
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        ui.SkillCaption[i]->setCaption(ui.SkillCaption[i]->caption());
    ui.Check1->setCaption(ui.Check1->text());
    setTextLimits();
    anchorLevelLabels();
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        ui.LevelText[i]->setCaption(ui.LevelText[i]->caption());
}

namespace {

// The card picture's bar, where it shows its placeholder for the player's
// name, in the picture's own pixels: from the name's place to the position's
// plate, inside the bar's top and bottom lines; and a column of the bar that
// no letter covers.
constexpr QRect kNameBar(30, 1, 350, 23);
constexpr int kClearBarColumn = 300;

} // namespace

void Form1::createBookControls()
{
    // Each keeps clear of the controls laid out before them, and lies behind
    // them, in front of the card.
    m_bookLink = new LinkLabel(this);
    m_bookLink->setObjectName(u"bookLink"_s);
    const int left = ui.Combo1->geometry().right() + 1 + m_twips(120);
    m_bookLink->setGeometry(left, ui.Combo1->y(), ui.Command2->x() - m_twips(90) - left, ui.Combo1->height());
    m_bookLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_bookLink, &LinkLabel::clicked, m_book, &Form1Book::openBook);

    m_playerName = new CardName(this, ui.Image1, kNameBar, kClearBarColumn);
    m_playerName->setObjectName(u"playerName"_s);
    setLaidOutFont({m_playerName, Face::Tahoma, 9.75, true});

    // Beside the instruction picture, in the information area.
    m_bookKeys = new Caption(this, false);
    m_bookKeys->setObjectName(u"bookKeys"_s);
    const int keysLeft = ui.Image2->geometry().right() + 1 + m_twips(180);
    m_bookKeys->setGeometry(keysLeft, ui.Image2->y(), width() - m_twips(120) - keysLeft, ui.Image2->height());
    m_bookKeys->setWordWrap(true);
    m_bookKeys->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QWidget *added : std::initializer_list<QWidget *>{m_bookLink, m_playerName, m_bookKeys})
        added->stackUnder(ui.Command2);
    retranslateBookControls();
}

void Form1::retranslateBookControls()
{
    const QKeySequence keep = m_book->keepAction()->shortcut();
    const QKeySequence open = m_book->bookAction()->shortcut();
    m_bookLink->setText(bookwindowtext::kPlayerBook.translated());
    m_bookLink->setToolTip(bookwindowtext::kOpenBookWithKey.translated().arg(open.toString(QKeySequence::NativeText)));
    m_bookKeys->setCaption(
            windowtext::bookKeysText(keep.toString(QKeySequence::NativeText), open.toString(QKeySequence::NativeText)));
    m_playerName->setAccessibleDescription(windowtext::kPlayerShown.translated());
}

// A level label's description names its skill: in full in English, as the
// catalogue's caption does in the other languages.
void Form1::describeLevelLabels(const LanguageEntry &language)
{
    const bool english = &language == &languages().front();
    for (const ControlRow &row : kControls) {
        if (row.kind != ControlKind::LevelLabel)
            continue;
        const QString skill = english ? textOf(row.spoken) : skillNameOf(language.skillCaption(row.index));
        ui.LevelText[row.index]->setAccessibleDescription(windowtext::skillLevelDescription(skill));
    }
}

// Each level label stands just right of its caption, whose width its text set.
void Form1::anchorLevelLabels()
{
    const int gap = m_twips(kLevelLabelGap);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        const Caption *caption = ui.SkillCaption[i];
        ui.LevelText[i]->moveLeftEdge(caption->x() + caption->width() + gap);
    }
}

} // namespace wagecourt::ui
