// The programs speak the user's language: the locale variables choose it in gettext's order, the
// editor's report and the tile tool's texts come out in it along with Qt's own, the window's title
// and menu command stay as they are, and every shipped catalogue translates every text of the code.

#include "app/application.h"
#include "app/form1.h"
#include "catalogue/filepictureloader.h"
#include "toolkit/selector.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The locale variables as `settings` ("LANG=de_DE.UTF-8") set them, the others unset.
void useLocale(const QStringList &settings)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(name);
    for (const QString &setting : settings)
        qputenv(qPrintable(setting.section('=', 0, 0)), setting.section('=', 1).toUtf8());
}

// What is wrong with a translation of `source`: empty, or with other placeholders than it.
QString translationFault(const QString &source, const QString &translation)
{
    const auto placeholders = [](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &match :
             QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
            found << match.captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    if (translation.isEmpty())
        return source + QStringLiteral(": no translation");
    if (placeholders(source) != placeholders(translation))
        return source + QStringLiteral(": placeholders differ in ") + translation;
    return {};
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cataloguesAreComplete_data();
    void cataloguesAreComplete();
    void toolSpeaksTheLocalesLanguage_data();
    void toolSpeaksTheLocalesLanguage();
    void editorReportsInGermanUnderItsOwnNames();
};

void TestLanguages::cataloguesAreComplete_data()
{
    QTest::addColumn<QString>("catalogue");
    for (const QString &file : QStringLiteral(TOLVANE_TS_FILES).split(','))
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

// lupdate on a copy, as update_translations runs it but keeping what the code no longer has: a
// text the catalogue lacks comes out unfinished, one the code lost as vanished.
void TestLanguages::cataloguesAreComplete()
{
    QFETCH(QString, catalogue);
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QFileInfo(catalogue).fileName());
    QVERIFY(QFile::copy(catalogue, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TOLVANE_LUPDATE),
                  {"-locations", "none", "@" TOLVANE_TRANSLATED_SOURCES, "-ts", copy});
    QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);

    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    int translations = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString state = xml.attributes().value(QLatin1String("type")).toString();
            QVERIFY2(state.isEmpty(), qPrintable(source + QStringLiteral(": ") + state));
        }
        if ((xml.name() == u"translation" && !numerus) || xml.name() == u"numerusform") {
            const QString fault = translationFault(source, xml.readElementText());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            ++translations;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(translations > 0);
}

void TestLanguages::toolSpeaksTheLocalesLanguage_data()
{
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");
    const QString german = QStringLiteral("LANG=de_DE.UTF-8");
    QTest::newRow("LANG") << QStringList{german} << "--list"
                          << "Objekttyp 1";
    QTest::newRow("LANGUAGE before LANG") << QStringList{"LANGUAGE=fr", german} << "--list"
                                          << "Type d'objet 1";
    QTest::newRow("LC_ALL before LANG") << QStringList{"LC_ALL=es_ES.UTF-8", german} << "--list"
                                        << "Tipo de objeto 1";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"LC_MESSAGES=fr_FR.UTF-8", german} << "--list"
        << "Type d'objet 1";
    QTest::newRow("first language translated") << QStringList{"LANGUAGE=it:es", german} << "--list"
                                               << "Tipo de objeto 1";
    QTest::newRow("English first") << QStringList{"LANGUAGE=en:de", german} << "--list"
                                   << "Object type 1";
    QTest::newRow("C locale before LANGUAGE") << QStringList{"LC_ALL=C", "LANGUAGE=de"} << "--list"
                                              << "Object type 1";
    QTest::newRow("unknown language") << QStringList{"LANG=xx_XX.UTF-8"} << "--list"
                                      << "Object type 1";
    QTest::newRow("Qt's help texts") << QStringList{german} << "--help"
                                     << "Optionen:";
    QTest::newRow("Qt's gaps filled") << QStringList{"LANG=fr_FR.UTF-8"} << "--help"
                                      << "Affiche l'aide sur les options";
}

void TestLanguages::toolSpeaksTheLocalesLanguage()
{
    QFETCH(QStringList, locale);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    useLocale(locale);
    QProcess tool;
    tool.start(QStringLiteral(TOLVANE_TILES), {argument});
    QVERIFY(tool.waitForFinished(20000) && tool.exitCode() == 0);
    const QString output = QString::fromUtf8(tool.readAllStandardOutput());
    QVERIFY2(output.contains(expected), qPrintable(output.left(500)));
}

// The window's title and its menu command are the editor's own names, in every language.
void TestLanguages::editorReportsInGermanUnderItsOwnNames()
{
    useLocale({QStringLiteral("LANG=de_DE.UTF-8")});
    app::setUpApplication();
    const QTemporaryDir documents; // without a picture folder
    const catalogue::FilePictureLoader loader(documents.path());
    app::Form1 form(loader, app::Form1::Reports::SignalOnly);
    QSignalSpy reports(&form, &app::Form1::failed);
    form.WallScrollH->setValue(2);

    QCOMPARE(reports.count(), 1);
    const QString report = reports.front().front().toString();
    const QString file = documents.filePath(QStringLiteral("pardovine/WallH.bmp"));
    QVERIFY2(
        report.startsWith(QStringLiteral("Das Bild „%1“ kann nicht geladen werden: ").arg(file)) &&
            report.contains(QStringLiteral("Ordner")),
        qPrintable(report));
    QCOMPARE(form.mnuClear->statusTip(), QStringLiteral("Leert das Spielfeld"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tolvane v1.1"));
    QCOMPARE(form.mnuClear->text(), QStringLiteral("Clear Maze"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
