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

    // The tile tool's help, and the editor's one line when it cannot open its display.
    void programsSpeakTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("status");
        const QStringList help{TOLVANE_TILES, "--help"};
        // clang-format off
        QTest::newRow("LANG")               << "LANG=de_DE.UTF-8" << "Schreibt die Beispielkacheln" << help << 0;
        QTest::newRow("LANGUAGE over LANG") << "LANGUAGE=fr LANG=de" << "Écrit le jeu de tuiles" << help << 0;
        QTest::newRow("LC_ALL over LANG")   << "LC_ALL=es_ES.UTF-8 LANG=de" << "Escribe el juego" << help << 0;
        QTest::newRow("LC_MESSAGES")        << "LC_MESSAGES=fr_FR.UTF-8 LANG=de" << "Écrit le jeu" << help << 0;
        QTest::newRow("English first")      << "LANGUAGE=en:de LANG=de" << "Writes the sample" << help << 0;
        QTest::newRow("C over LANGUAGE")    << "LC_ALL=C LANGUAGE=de" << "Writes the sample" << help << 0;
        QTest::newRow("unknown language")   << "LANG=xx_XX.UTF-8" << "Writes the sample" << help << 0;
        QTest::newRow("Qt's own texts")     << "LANG=de_DE.UTF-8" << "Optionen:" << help << 0;
        QTest::newRow("Qt's gaps filled")   << "LANG=fr_FR.UTF-8" << "Affiche l'aide sur les" << help << 0;
        QTest::newRow("editor, no display") << "LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb DISPLAY=:9999"
            << "tolvane: kann die Anzeige „:9999“ nicht öffnen: Läuft eine Desktop-Sitzung?\n"
            << QStringList{TOLVANE_EXECUTABLE} << 1;
        // clang-format on
    }

    void programsSpeakTheLocalesLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QFETCH(QStringList, command);
        QFETCH(int, status);
        useLocale(locale);
        QProcess program;
        program.start(command.front(), command.mid(1));
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), status);
        const QString output = QString::fromUtf8(status == 0 ? program.readAllStandardOutput()
                                                             : program.readAllStandardError());
        // A failure ends in the program's one line, with nothing of Qt's about its platform plugin
        // (Qt may warn of a locale the machine lacks before it).
        QVERIFY2(status == 0 ? output.contains(expected)
                             : output.endsWith(expected) && !output.contains("platform plugin"),
                 qPrintable(output));
    }

    // The window's title and its menu command are the editor's own names, in every language.
    void editorReportsInGermanUnderItsOwnNames()
    {
        useLocale(QStringLiteral("LANG=de_DE.UTF-8"));
        app::setUpApplication();
        const QTemporaryDir documents; // without a picture folder
        const catalogue::FilePictureLoader loader(QFile::encodeName(documents.path()));
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
