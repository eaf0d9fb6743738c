// The shared fixture of the window's tests: a fresh window on a recording
// platform for every test, and the helpers the areas share.
#pragma once

#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "presentation/advicetext.h"
#include "presentation/salarytext.h"
#include "testlists.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/platform/platform.h"
#include "ui/settings.h"
#include "ui/tooltips.h"

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

namespace form1test {

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
    QStringList questions;
    QList<int> answers; // to the questions, in turn; with none left, the first choice
    int ask(const QString &, const QString &text, const QStringList &) override
    {
        questions << text;
        return answers.isEmpty() ? 0 : answers.takeFirst();
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

inline const QList<int> kSample{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 20, 20, 20};

QColor colorOf(const QLabel *label);
View viewOf(const Form1 &form);
using test::levelsOf;
using test::skillList;
QColor levelColor(int level);
void showActive(Form1 &form);
void pickLanguage(Form1 &form, const QString &name);
void clickLevel(Form1 &form, int index, Qt::MouseButton button);
// As the toolkit asks a widget for its tooltip when the pointer rests on it.
TipWindow *hover(const Form1 &form, QWidget *widget);
// Every word of the window's own, in the order of a list to compare: what it
// shows, the menus, the tips, the refused paste's box and what screen readers hear.
QStringList windowWords(Form1 &form, RecordingPlatform &platform);
// The rightmost column a control paints into, in its parent's coordinates; -1 when it paints nothing.
int inkRight(QWidget *control);
// Bands of ink one above the other, a clear row between, in a widget's columns
// from its first inked one on, this many wide (-1: all): the dot and stem of
// İ, or the lines of a wrapped text.
int inkBands(QWidget *widget, int columns);
// The upright lines of the card picture that text must keep clear of (the rule
// before the skills, the accents that begin the skill bands, the frame): its
// warm, darker columns across the row at windowY, in the window's coordinates.
QList<int> cardLines(const Form1 &form, int windowY);
// The ink a text puts on a picture of its control: how far each pixel differs
// from a picture of the same control without text, summed.
qreal inkOver(const QImage &picture, const QImage &blank);
// The first line of the card right of a text, on its own row, or the window's edge.
int lineAfter(const Form1 &form, const QWidget *text);

// Every test starts from a fresh window on a platform of its own.
class Form1Fixture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

protected:
    RecordingPlatform *m_platform = nullptr;
    Form1 *m_form = nullptr;
};

// Before the application: never the user's own settings or player book, even when run by hand.
void prepareApplication(const QTemporaryDir &scratchConfig);
// After it: the layout's faces, and the application font the window expects.
void loadFaces();

} // namespace form1test

using namespace form1test;

// The start of each area's executable.
#define WAGECOURT_FORM1_TEST_MAIN(TestClass)                                                                           \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QTemporaryDir scratchConfig;                                                                                   \
        prepareApplication(scratchConfig);                                                                             \
        QApplication app(argc, argv);                                                                                  \
        loadFaces();                                                                                                   \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
