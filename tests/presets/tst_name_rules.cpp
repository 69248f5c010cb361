#include "presets/name_rules.h"

#include <QTest>

// The two rules for names typed by the user.
class tst_NameRules : public QObject {
    Q_OBJECT

private slots:
    void libraryRule_data();
    void libraryRule();
    void saveRule_data();
    void saveRule();
};

namespace {

const QString SPACE = "A name cannot start or end with a space.";
const QString FOLDER_SPACE = "A folder name cannot start or end with a space.";
const QString LIBRARY_CHARACTERS = "There are invalid characters in the name.\nUse characters A-Z a-z _ # space";
const QString SAVE_SPACE = "A preset name cannot start with a space.";
const QString SAVE_CHARACTERS = "There are invalid characters in the name.";

} // namespace

void tst_NameRules::libraryRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("folderText");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");

    QTest::newRow("plain") << "Voice One" << 40 << false << true << QString();
    QTest::newRow("all allowed characters") << "AZaz09_# x" << 40 << false << true << QString();
    QTest::newRow("40 characters") << QString(40, 'a') << 40 << false << true << QString();
    QTest::newRow("41 characters, silent") << QString(41, 'a') << 40 << false << false << QString();
    QTest::newRow("100 for a folder") << QString(100, 'a') << 100 << true << true << QString();
    QTest::newRow("101 for a folder, silent") << QString(101, 'a') << 100 << true << false << QString();
    QTest::newRow("empty, silent") << QString() << 40 << false << false << QString();
    QTest::newRow("leading space") << " Voice" << 40 << false << false << SPACE;
    QTest::newRow("trailing space") << "Voice " << 40 << false << false << SPACE;
    QTest::newRow("single space") << " " << 40 << false << false << SPACE;
    QTest::newRow("new folder space") << "Voice " << 100 << true << false << FOLDER_SPACE;
    QTest::newRow("dot") << "Voice.One" << 40 << false << false << LIBRARY_CHARACTERS;
    QTest::newRow("hyphen") << "Voice-One" << 40 << false << false << LIBRARY_CHARACTERS;
    QTest::newRow("slash") << "a/b" << 40 << false << false << LIBRARY_CHARACTERS;
    QTest::newRow("umlaut") << QString::fromUtf8("Stimme \xc3\xa4") << 40 << false << false << LIBRARY_CHARACTERS;
    QTest::newRow("space before bad character") << " a.b" << 40 << false << false << SPACE;
}

void tst_NameRules::libraryRule()
{
    QFETCH(QString, name);
    QFETCH(int, maxLength);
    QFETCH(bool, folderText);
    QFETCH(bool, accepted);
    QFETCH(QString, message);

    const tcNameVerdict verdict = libraryNameVerdict(name, maxLength, folderText ? tcSpaceText::FOLDER_NAME : tcSpaceText::NAME);
    QCOMPARE(verdict.accepted, accepted);
    QCOMPARE(verdict.message, message);
}

void tst_NameRules::saveRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");

    QTest::newRow("plain") << "Voice One" << true << QString();
    QTest::newRow("trailing space") << "Voice " << true << QString();
    QTest::newRow("punctuation") << "Talk-Back (2), 50% & more!" << true << QString();
    QTest::newRow("umlaut") << QString::fromUtf8("Stimme \xc3\xa4") << true << QString();
    QTest::newRow("40 characters") << QString(40, 'x') << true << QString();
    QTest::newRow("41 characters, silent") << QString(41, 'x') << false << QString();
    QTest::newRow("empty, silent") << QString() << false << QString();
    QTest::newRow("leading space") << " Voice" << false << SAVE_SPACE;
    for (const char* bad : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
        QTest::addRow("contains %s", bad) << QString("a%1b").arg(bad) << false << SAVE_CHARACTERS;
}

void tst_NameRules::saveRule()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QFETCH(QString, message);

    const tcNameVerdict verdict = saveNameVerdict(name);
    QCOMPARE(verdict.accepted, accepted);
    QCOMPARE(verdict.message, message);
    QCOMPARE(QString(SAVE_NAME_TITLE), QString("Save preset"));
}

QTEST_MAIN(tst_NameRules)
#include "tst_name_rules.moc"
