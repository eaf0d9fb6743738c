// The settings kept between starts, and a settings file that survives bad folders.
#include "form1fixture.h"

class Form1SettingsTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // Settings.
    void settingsRestoredAtStart_data();
    void settingsRestoredAtStart();
    void settingsFollowTheUser();
    void settingsFileSurvivesBadFolders_data();
    void settingsFileSurvivesBadFolders();
};

void Form1SettingsTest::settingsRestoredAtStart_data()
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

void Form1SettingsTest::settingsRestoredAtStart()
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

void Form1SettingsTest::settingsFollowTheUser()
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

void Form1SettingsTest::settingsFileSurvivesBadFolders_data()
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

void Form1SettingsTest::settingsFileSurvivesBadFolders()
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

WAGECOURT_FORM1_TEST_MAIN(Form1SettingsTest)

#include "tst_form1_settings.moc"
