// The window's fixed layout: every control's place and size in twips, its font,
// colour and first text, in the order the controls are created.
#include "fonts.h"
#include "form1.h"
#include "i18n/catalogue.h"

#include <QApplication>
#include <QScreen>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

namespace {

struct Place
{
    int left, top, width, height;
};

struct SkillRow
{
    const char *captionName;
    const char16_t *caption;
    Place captionPlace;
    int levelTop;
    const char *englishSkill; // what a screen reader says the level label is
};

// In the game's skill order; level labels start at width 795 reading "atrocious".
constexpr SkillRow kSkillRows[kSkillCaptionCount] = {
    {"Label_JS", u"Jump Shot:", {3870, 1005, 810, 195}, 1005, "Jump Shot"},
    {"Label_JR", u"Jump Range:", {6240, 1005, 945, 195}, 1005, "Jump Range"},
    {"Label_OD", u"Outside Def.:", {3870, 1260, 975, 195}, 1260, "Outside Defence"},
    {"Label_HA", u"Handling:", {6240, 1260, 675, 195}, 1260, "Handling"},
    {"Label_DR", u"Driving:", {3870, 1515, 555, 195}, 1515, "Driving"},
    {"Label_PA", u"Passing:", {6240, 1515, 600, 195}, 1515, "Passing"},
    {"Label_IS", u"Inside Shot:", {3870, 1770, 870, 195}, 1770, "Inside Shot"},
    {"Label_ID", u"Inside Def.:", {6240, 1770, 855, 195}, 1770, "Inside Defence"},
    {"Label_RB", u"Rebounding:", {3870, 2025, 915, 195}, 2025, "Rebounding"},
    {"Label_SB", u"Shot Blocking:", {6240, 2025, 1005, 195}, 2025, "Shot Blocking"},
    {"Label_ST", u"Stamina:", {3870, 2280, 630, 195}, 2265, "Stamina"},
    {"Label_FT", u"Free Throw:", {6240, 2280, 885, 195}, 2280, "Free Throw"},
    {"Label_XP", u"Experience:", {3870, 2790, 855, 195}, 2790, "Experience"},
};

// Skill captions are created in this order (after the level labels 13 down to 1).
constexpr int kCaptionCreationOrder[kSkillCaptionCount] = {13, 12, 10, 11, 9, 8, 6, 4, 2, 7, 5, 3, 1};

constexpr int kLevelLabelWidth = 795;

constexpr Place kCreditTextPlace{480, 3765, 7875, 495};

const QString kCreditText =
        u"   Wagecourt is a tool for calculating player salaries.. It uses Velmor's formulas ,so special thanks"
        u"     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable"
        u" formulas..   "_s;

// Black text on the colour of an active title bar's text: white in every usual scheme.
const QColor kWindowBackground = Qt::white;

// Lines of the card picture that text must not touch, in the picture's own
// pixels as tools/drawpictures draws them: the rule between the salary and the
// skills, the accent that begins each band of the right column, and the frame.
constexpr int kCardRuleX = 246;
constexpr int kRightBandAccentX = 410;
constexpr int kCardFrameX = 579;
// Text ends this many pixels before such a line: one clear, one for the ink
// that a closed-up last letter or its underline may reach past its label.
constexpr int kClearOfLine = 2;

} // namespace

void Form1::createControls()
{
    // The controls without a font of their own and the message box take the
    // application's, chosen for the main screen; this window may open on another.
    if (const QFont standard = defaultFont(m_scale); QApplication::font() != standard)
        QApplication::setFont(standard);
    auto place = [this](QWidget *widget, const Place &at) {
        widget->setGeometry(m_twips(at.left), m_twips(at.top), m_twips(at.width), m_twips(at.height));
        widget->lower(); // each control lies behind the ones created before it
    };
    auto label = [&](const char *name, const Place &at, const QString &text, bool autoSize) {
        auto *created = new Caption(this, autoSize);
        created->setObjectName(QLatin1String(name));
        place(created, at);
        created->setCaption(text);
        return created;
    };

    ui.Command2 = new PushButton(u"Show Info"_s, this);
    ui.Command2->setObjectName(u"Command2"_s);
    place(ui.Command2, {7755, 45, 915, 330});

    ui.Combo1 = new LanguageList(this);
    ui.Combo1->setObjectName(u"Combo1"_s);
    ui.Combo1->addItems(languageNames()); // the catalogue's names, in its order
    ui.Combo1->setCurrentIndex(-1);
    place(ui.Combo1, {3690, 45, 2055, 315});

    ui.Check1 = new ValueCheckBox(this);
    ui.Check1->setObjectName(u"Check1"_s);
    ui.Check1->setValue(1);
    place(ui.Check1, {360, 0, 2280, 375});
    ui.Check1->setLaidOutWidth(m_twips(2280));
    ui.Check1->setCaption(u"Always on Top"_s);

    ui.Command1 = new WrappingButton(u"Calculate Salary"_s, this);
    ui.Command1->setObjectName(u"Command1"_s);
    setLaidOutFont({ui.Command1, Face::MsSansSerif, 9.75, true});
    place(ui.Command1, {2025, 2130, 1575, 690});

    ui.Label6 = label("Label6", {540, 8280, 6585, 270},
                      u"4. Click on the skills to change them ( Left-click --> +1, Right-click --> -1 )"_s, false);
    ui.Label5 = label("Label5", {540, 7890, 6585, 270}, u"3. Click \"Calculate Salary\" button.."_s, false);
    ui.Label4 = label("Label4", {540, 7500, 6585, 270},
                      u"2. Select your in-game language from the drop-down menu.."_s, false);

    ui.Image2 = new Picture(this, u":/pictures/screenshot.jpg"_s, m_scale.devicePixelRatio);
    ui.Image2->setObjectName(u"Image2"_s);
    const QSize screenshotSize = ui.Image2->size();
    place(ui.Image2, {1605, 5430, 4170, 1935});
    ui.Image2->resize(screenshotSize); // natural size, never stretched
    ui.Image2->setAccessibleName(u"Copying a player's skills in a web browser"_s);

    ui.Label3 = label("Label3", {540, 5025, 6585, 270},
                      u"1. Go to Courtlore Website and copy your player's skills starting from \"Jump Shot\".."_s,
                      false);
    ui.Label2 = label("Label2", {540, 4605, 1410, 195}, QString(), true);
    setLaidOutFont({ui.Label2, Face::MsSansSerif, 8.25, true, true});
    ui.Label2->setCaption(u"INSTRUCTIONS"_s);

    ui.Label1 = label("Label1", kCreditTextPlace, kCreditText, false);
    ui.Label1->setWordWrap(true);
    ui.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ui.PosText = label("PosText", {6600, 555, 1290, 210}, QString(), true);
    setLaidOutFont({ui.PosText, Face::Tahoma, 9, true});
    ui.PosText->setCaption(u"Small Forward"_s);
    ui.PosText->setAccessibleDescription(u"Best position"_s);

    ui.SalaryText = label("SalaryText", {2190, 1275, 1215, 255}, QString(), false);
    setLaidOutFont({ui.SalaryText, Face::Tahoma, 8.25});
    ui.SalaryText->setCaption(u" 504"_s);
    ui.SalaryText->setAccessibleDescription(u"Weekly salary"_s);

    ui.Label_Salary = label("Label_Salary", {2040, 1065, 1080, 195}, QString(), true);
    setLaidOutFont({ui.Label_Salary, Face::Tahoma, 8.25});
    ui.Label_Salary->setCaption(u"Weekly Salary:"_s);

    const QString firstLevelName = u"atrocious"_s;
    for (int i = kSkillCaptionCount; i >= 1; --i) {
        const SkillRow &row = kSkillRows[i - 1];
        auto *level = new LevelLabel(this, i);
        level->setObjectName(u"LevelText_%1"_s.arg(i));
        setLaidOutFont({level, Face::Tahoma, 8.25, true, true});
        const int left = row.captionPlace.left + row.captionPlace.width + kLevelLabelGap;
        place(level, {left, row.levelTop, kLevelLabelWidth, 195});
        level->setCaption(firstLevelName);
        level->setAccessibleDescription(QLatin1String(row.englishSkill) + u" level"_s);
        connect(level, &LevelLabel::mouseDown, this, &Form1::LevelText_MouseDown);
        ui.LevelText[i] = level;
    }
    for (int i : kCaptionCreationOrder) {
        const SkillRow &row = kSkillRows[i - 1];
        Caption *caption = label(row.captionName, row.captionPlace, QString(), true);
        setLaidOutFont({caption, Face::Tahoma, 8.25});
        caption->setCaption(QString::fromUtf16(row.caption));
        ui.SkillCaption[i] = caption;
    }

    ui.Image1 = new Picture(this, u":/pictures/playercard.jpg"_s, m_scale.devicePixelRatio);
    ui.Image1->setObjectName(u"Image1"_s);
    const QSize cardSize = ui.Image1->size();
    place(ui.Image1, {0, 375, 8715, 3090});
    ui.Image1->resize(cardSize);
    setTextLimits();
    ui.Image1->setAccessibleName(u"Player card"_s);

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
    const int card = ui.Image1->x();
    const int columnGap = m_twips(kLevelLabelGap);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        const bool besideRightColumn = i % 2 == 1 && i + 1 <= kSkillCaptionCount;
        int limit = besideRightColumn ? ui.SkillCaption[i + 1]->x() - columnGap : m_twips(kClientWidth);
        if (besideRightColumn || !laidOut)
            limit = std::min(limit, card + (besideRightColumn ? kRightBandAccentX : kCardFrameX) - kClearOfLine);
        ui.LevelText[i]->setRightLimit(limit);
    }
    ui.Label_Salary->setRightLimit(card + kCardRuleX - kClearOfLine);

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
    if (const QFont standard = defaultFont(scale); QApplication::font() != standard)
        QApplication::setFont(standard);
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
    const int gap = m_twips(kLevelLabelGap);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        const Caption *caption = ui.SkillCaption[i];
        ui.LevelText[i]->moveLeftEdge(caption->x() + caption->width() + gap);
        ui.LevelText[i]->setCaption(ui.LevelText[i]->caption());
    }
}

} // namespace wagecourt::ui
