// The locale chooses the language as gettext does; the tile tool, Qt's texts and the editor's
// report speak it, the window's own names stay; every catalogue translates every text of the code.

#include "app/form1.h"
#include "catalogue/pictureloader.h"
#include "toolkit/selector.h"

#include <QAction>
#include <QtTest>

// The locale variables as `settings` ("LANGUAGE=fr LANG=de_DE.UTF-8") set them, the others unset.
static void useLocale(const QString &settings)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(name);
    for (const QString &setting : settings.split(' '))
        qputenv(qPrintable(setting.section('=', 0, 0)), setting.section('=', 1).toUtf8());
}

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cataloguesAreComplete_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const QString &file : QStringLiteral(TOLVANE_TS_FILES).split(','))
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    // lupdate on a copy, as update_translations runs it but keeping what the code no longer has:
    // a text the catalogue lacks comes out unfinished, one the code lost as vanished.
    void cataloguesAreComplete()
    {
        QFETCH(QString, catalogue);
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(QFileInfo(catalogue).fileName());
        QVERIFY(QFile::copy(catalogue, copy));
        QCOMPARE(QProcess::execute(TOLVANE_LUPDATE, {"@" TOLVANE_SOURCES, "-ts", copy}), 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        // Unfinished, vanished or obsolete (a type), or empty.
        const qsizetype fault =
            content.indexOf(QRegularExpression("type=|<translation></|form></"));
        QVERIFY2(fault < 0, qPrintable(content.mid(fault - 200, 300)));
        // Each translation has the placeholders of its source.
        const QRegularExpression message(
            "<source>(.*?)</source>.*?<translation>(.*?)</translation>",
            QRegularExpression::DotMatchesEverythingOption);
        QVERIFY(message.match(content).hasMatch());
        for (const QRegularExpressionMatch &match : message.globalMatch(content))
            for (const QChar digit : QStringLiteral("123456789n"))
                QVERIFY2(match.captured(1).contains(u'%' + digit) ==
                             match.captured(2).contains(u'%' + digit),
                         qPrintable(match.captured()));
    }

    void toolSpeaksTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("LANG")               << "LANG=de_DE.UTF-8" << "Schreibt die Beispielkacheln";
        QTest::newRow("LANGUAGE over LANG") << "LANGUAGE=fr LANG=de" << "Écrit le jeu de tuiles";
        QTest::newRow("LC_ALL over LANG")   << "LC_ALL=es_ES.UTF-8 LANG=de" << "Escribe el juego";
        QTest::newRow("LC_MESSAGES")        << "LC_MESSAGES=fr_FR.UTF-8 LANG=de" << "Écrit le jeu";
        QTest::newRow("English first")      << "LANGUAGE=en:de LANG=de" << "Writes the sample";
        QTest::newRow("C over LANGUAGE")    << "LC_ALL=C LANGUAGE=de" << "Writes the sample";
        QTest::newRow("unknown language")   << "LANG=xx_XX.UTF-8" << "Writes the sample";
        QTest::newRow("Qt's own texts")     << "LANG=de_DE.UTF-8" << "Optionen:";
        QTest::newRow("Qt's gaps filled")   << "LANG=fr_FR.UTF-8" << "Affiche l'aide sur les";
        // clang-format on
    }

    void toolSpeaksTheLocalesLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        useLocale(locale);
        QProcess tool;
        tool.start(TOLVANE_TILES, {"--help"});
        QVERIFY(tool.waitForFinished(20000) && tool.exitCode() == 0);
        const QString output = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(output.contains(expected), qPrintable(output));
    }

    // The window's title and its menu command are the editor's own names, in every language.
    void editorReportsInGermanUnderItsOwnNames()
    {
        useLocale(QStringLiteral("LANG=de_DE.UTF-8"));
        app::setUpApplication();
        const QTemporaryDir documents; // without a picture folder
        const catalogue::FilePictureLoader loader(documents.path());
        app::Form1 form(loader, app::Form1::Reports::SignalOnly);
        QSignalSpy reports(&form, &app::Form1::failed);
        form.WallScrollH->setValue(2);
        QCOMPARE(reports.count(), 1);
        const QString report = reports.front().front().toString();
        QVERIFY2(report.startsWith("Das Bild „" + documents.path()) && report.contains("Ordner"),
                 qPrintable(report));
        QCOMPARE(form.mnuClear->statusTip(), QStringLiteral("Leert das Spielfeld"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tolvane v1.1"));
        QCOMPARE(form.mnuClear->text(), QStringLiteral("Clear Maze"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
