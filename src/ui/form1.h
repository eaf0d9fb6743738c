#pragma once

#include "engine/playerstate.h"
#include "i18n/translators.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QWidget>

class QAction;
class QMenu;

namespace wagecourt {
struct LanguageEntry;
}

namespace wagecourt::ui {

class Platform;
class Form1Book;
class Form1Tips;
class TrainingPlanWindow;
struct ControlRow;

inline constexpr int kCompactClientHeight = 3525; // twips: control strip and player card
inline constexpr int kExpandedClientHeight = 8850; // twips: down to the last instruction
inline constexpr int kClientWidth = 8715;
inline constexpr int kLevelLabelGap = 45; // twips between a skill caption and its level label

// The controls, under the names the handlers use. Created in this order by
// Form1's layout, each new one behind the ones before it.
struct Form1Controls
{
    PushButton *Command2 = nullptr;
    LanguageList *Combo1 = nullptr;
    ValueCheckBox *Check1 = nullptr;
    WrappingButton *Command1 = nullptr;
    Caption *Label6 = nullptr;
    Caption *Label5 = nullptr;
    Caption *Label4 = nullptr;
    Picture *Image2 = nullptr;
    Caption *Label3 = nullptr;
    Caption *Label2 = nullptr;
    Caption *Label1 = nullptr;
    Caption *PosText = nullptr;
    Caption *SalaryText = nullptr;
    Caption *Label_Salary = nullptr;
    OneBased<LevelLabel *, kSkillCaptionCount> LevelText{};
    // Label_JS, Label_JR, Label_OD, Label_HA, Label_DR, Label_PA, Label_IS,
    // Label_ID, Label_RB, Label_SB, Label_ST, Label_FT, Label_XP.
    OneBased<Caption *, kSkillCaptionCount> SkillCaption{};
    Picture *Image1 = nullptr;
};

// The one window. It shows what the core computes and keeps the player state
// for the whole run; its handlers carry the names of their control and event.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Creates the controls and runs the load handler; the window is not shown yet.
    explicit Form1(Platform &platform, QWidget *parent = nullptr);

    const Form1Controls &controls() const { return ui; }
    const PlayerState &state() const { return m_state; }
    const Twips &twips() const { return m_twips; }
    const Form1Tips &tips() const { return *m_tips; }
    Form1Book &book() const { return *m_book; }

    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Check1_Click();
    void Form_MouseDown(int button);
    void LevelText_MouseDown(int index, int button);

    // Copy (Ctrl+C): the player shown, as the game's list of all thirteen
    // skills in the chosen language with a salary line, onto the clipboard.
    void copyPlayer();

    // Shows these levels as an accepted paste would, in the chosen language,
    // with the salary and position they give; clicks go on from there.
    void showLevels(const SkillLevels &levels, const OtherSkillLevels &others);

    // Names the player shown on the card, with a tip that says more (after a
    // keep or a Show from the book); an empty name shows the card's
    // placeholder again, as after a paste, which names nobody.
    void showPlayerName(const QString &name, const QString &tip);
    QString playerNameShown() const;

    // A link given on the command line or handed over by a later start.
    void offerLink(const QString &text);

    // Ctrl+T: the Training Plan of the player shown, beside the main window.
    void openTrainingPlan();
    TrainingPlanWindow *trainingPlan() const { return m_planWindow; }

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A font as the layout gives it, drawn in the face that suits the scale.
    struct LaidOutFont
    {
        QWidget *control;
        Face face;
        qreal points;
        bool bold = false;
        bool underline = false;
    };

    void createControls();
    void createControl(const ControlRow &row);
    QWidget *newControl(const ControlRow &row);
    void createKeys();
    // The book's additions to the layout, each in room the layout leaves
    // free: its link in the strip of buttons, the name on the card's bar and
    // its keys beside the instruction picture.
    void createBookControls();
    void retranslateBookControls();
    void setLaidOutFont(const LaidOutFont &font);
    void applyLaidOutFont(const LaidOutFont &font);
    void setTextLimits();
    void anchorLevelLabels();
    void describeLevelLabels(const LanguageEntry &language);
    void applyScale(const TextScale &scale);
    void setClientHeight(int twips);
    void showResultMenu(const QPoint &globalPosition);
    // Stores a changed setting once the window is loaded; a run that changes
    // nothing writes nothing.
    void remember(const QString &key, const QVariant &value);
    // The translations and the instruction picture of the catalogue's language
    // at this place in the list, and every fixed text read again through them.
    void useLanguage(int languageIndex);
    void retranslate(bool infoShown, const LanguageEntry &language);

    void ShowLevel(int k);
    void ShowOtherLevel(int i);
    int otherLevelShown(int i) const;
    void ShowImportResult();
    void ShowClickResult(int k);
    // The Training Plan follows the player, his levels and the language shown.
    void refreshTrainingPlan(bool evenHidden = false);

    Platform &m_platform;
    Twips m_twips;
    TextScale m_scale;
    QList<LaidOutFont> m_fonts;
    Form1Controls ui;
    PlayerState m_state;
    Form1Tips *m_tips = nullptr;
    Translators m_translators;
    QAction *m_copy = nullptr; // Copy, in the window and in the result menu
    QAction *m_paste = nullptr; // Paste and Calculate
    QMenu *m_resultMenu = nullptr; // made at the first right click on the salary or position
    Form1Book *m_book = nullptr; // Keep in Book and Player Book
    QAction *m_planAction = nullptr; // Training Plan
    TrainingPlanWindow *m_planWindow = nullptr; // made at the first Ctrl+T
    LinkLabel *m_bookLink = nullptr;
    CardName *m_playerName = nullptr;
    Caption *m_bookKeys = nullptr;
    bool m_loaded = false;
};

} // namespace wagecourt::ui
