#include "presets/preset_file.h"
#include "presets/preset_status.h"

#include "model/model_globals.h"
#include "model/param_map.h"

#include "../model/exact_float.h"
#include "preset_fixture.h"

#include <QBuffer>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>

namespace {

// Records every notification of a set.
struct tcRecorder {
    QList<QPair<int, int>> calls; // (ID, flag)

    static void notify(void* context, quint16 id, tcChangeFlag flag)
    {
        static_cast<tcRecorder*>(context)->calls.append({int(id), int(flag)});
    }
};

// The file a fresh set named "Voice One" is written as: every default value, CR LF ends.
const QByteArray DEFAULT_FILE = "K7 PRESET FILE:Voice One: \r\n"
                                "2100:+20.00 // In Gain \r\n"
                                "2101:0 // Decorrelator \r\n"
                                "3100:0 // Filter In \r\n"
                                "3101:+80.00 // Filter HPF Freq \r\n"
                                "3102:+4000.00 // Filter LPF Freq \r\n"
                                "4100:0 // Expander In \r\n"
                                "4101:+14.00 // Expander Depth \r\n"
                                "4102:+0.00 // Expander Thresh \r\n"
                                "4103:+300.00 // Expander Close \r\n"
                                "5100:0 // De-Esser In \r\n"
                                "5101:-40.00 // De-Esser Thresh \r\n"
                                "5102:+100.00 // De-Esser Release \r\n"
                                "5103:+4000.00 // De-Esser Freq \r\n"
                                "6100:1 // EQ Pre DYN \r\n"
                                "6101:0 // EQ In \r\n"
                                "6108:+50.00 // Lo Shelf Freq \r\n"
                                "6110:+6.00 // Lo Shelf Lift \r\n"
                                "6102:+800.00 // PEQ 1 Freq \r\n"
                                "6106:-4.00 // PEQ 1 Lift \r\n"
                                "6104:+0.50 // PEQ 1 BW \r\n"
                                "6103:+2800.00 // PEQ 2 Freq \r\n"
                                "6105:+0.66 // PEQ 2 BW \r\n"
                                "6107:+3.00 // PEQ 2 Lift \r\n"
                                "6109:+8000.00 // Hi Shelf Freq \r\n"
                                "6111:+8.00 // Hi Shelf Lift \r\n"
                                "8100:0 // Comp In \r\n"
                                "8101:-40.00 // Comp Thresh \r\n"
                                "8102:+2.00 // Comp Ratio \r\n"
                                "8103:+1.00 // Comp Attack \r\n"
                                "8104:+150.00 // Comp Release \r\n"
                                "9004:+0.00 // Out Gain \r\n";

// Values away from the defaults, every float with at most two decimals and on its table.
constexpr fixture::tcValue CHANGED_VALUES[] = {
    {2100, false, -5.0f},   {2101, true, 1},        {3100, true, 1},        {3101, false, 120.0f},
    {3102, false, 2800.0f}, {4100, true, 1},        {4101, false, 20.5f},   {4102, false, -30.5f},
    {4103, false, 1000.0f}, {5100, true, 1},        {5101, false, -20.0f},  {5102, false, 50.0f},
    {5103, false, 8000.0f}, {6100, true, 0},        {6101, true, 1},        {6108, false, 60.0f},
    {6110, false, -6.5f},   {6102, false, 780.0f},  {6106, false, 13.5f},   {6104, false, 2.0f},
    {6103, false, 2900.0f}, {6105, false, 0.35f},   {6107, false, -14.0f},  {6109, false, 20000.0f},
    {6111, false, 0.5f},    {8100, true, 1},        {8101, false, -10.0f},  {8102, false, 4.33f},
    {8103, false, 0.5f},    {8104, false, 480.0f},  {9004, false, -5.5f},
};

template <typename Values>
void storeValues(tcParamMap& set, const Values& values)
{
    for (const fixture::tcValue& value : values) {
        if (value.isSwitch)
            set.setBool(value.id, value.value != 0, TO_GUI);
        else
            set.setFloat(value.id, value.value, TO_GUI);
    }
}

template <typename Values>
void verifyValues(const tcParamMap& set, const Values& values)
{
    for (const fixture::tcValue& value : values) {
        if (value.isSwitch)
            QCOMPARE(set.getBool(value.id), value.value != 0);
        else
            COMPARE_EXACT(set.getFloat(value.id), value.value);
    }
}

QByteArray headerBytes(const PRESET_HEADER& header)
{
    QByteArray bytes(reinterpret_cast<const char*>(header.name.data()), qsizetype(header.name.size()));
    bytes.append(char(header.valid)).append(char(header.flags));
    for (quint32 crc : header.checksum)
        bytes.append(QByteArray::number(crc));
    for (quint16 count : header.count)
        bytes.append(QByteArray::number(count));
    return bytes;
}

bool isAllZero(const PRESET_HEADER& header)
{
    return headerBytes(header) == headerBytes(PRESET_HEADER());
}

} // namespace

// Preset files: reading the header and the values, writing, checksums, rename, copying sets.
class tst_PresetFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheWholeFileByteForByte();
    void writesNumberForms_data();
    void writesNumberForms();
    void roundTripThroughFreshSet();
    void checksumsOfLoadedValues();
    void header_data();
    void header();
    void readPresetNameReadsOnlyTheHeader();
    void invalidFileLeavesSetAndZeroHeader();
    void headerOnlyLeavesValues();
    void valueLines_data();
    void valueLines();
    void lastLineWinsAndSetIsNeverReset();
    void lfOnlyReadsLikeCrLf();
    void longLineIsReadInPieces();
    void missingFileLoadsAsSuccess();
    void savingToUncreatableFileFails();
    void renameKeepsValues();
    void renameLeavesOtherFilesUntouched();
    void copyParametersNotifiesWithToBoth();
    void copyParametersNeedsBothSets();
    void applyToLiveStoresIntoLiveSet();

private:
    QTemporaryDir m_dir;
};

void tst_PresetFile::writesTheWholeFileByteForByte()
{
    const QString path = m_dir.filePath("voice.k7");
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName("Voice One");
    const tcParamMap set;
    QVERIFY(savePreset(header, set, path));
    QCOMPARE(fixture::readFile(path), DEFAULT_FILE);
}

void tst_PresetFile::writesNumberForms_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("-5.5") << 9004 << -5.5f << QByteArray("9004:-5.50 // Out Gain \r\n");
    QTest::newRow("0") << 9004 << 0.0f << QByteArray("9004:+0.00 // Out Gain \r\n");
    QTest::newRow("1000") << 8104 << 1000.0f << QByteArray("8104:+1000.00 // Comp Release \r\n");
    QTest::newRow("0.5") << 6104 << 0.5f << QByteArray("6104:+0.50 // PEQ 1 BW \r\n");
    QTest::newRow("-60") << 4102 << -60.0f << QByteArray("4102:-60.00 // Expander Thresh \r\n");
    QTest::newRow("51.0986") << 6108 << 51.0986f << QByteArray("6108:+51.10 // Lo Shelf Freq \r\n");
}

void tst_PresetFile::writesNumberForms()
{
    QFETCH(int, id);
    QFETCH(float, value);
    QFETCH(QByteArray, line);

    tcParamMap set;
    set.setFloat(quint16(id), value, TO_GUI);
    const QString path = m_dir.filePath("forms.k7");
    QVERIFY(savePreset(PRESET_HEADER::fresh(), set, path));
    const QByteArray written = fixture::readFile(path);
    QVERIFY2(written.contains("\r\n" + line), written.constData());
    QCOMPARE(written.count("\r\n"), 32);
}

void tst_PresetFile::roundTripThroughFreshSet()
{
    const QString path = m_dir.filePath("round.k7");
    PRESET_HEADER written = PRESET_HEADER::fresh();
    written.setName("Round Trip");
    tcParamMap source;
    storeValues(source, CHANGED_VALUES);
    QVERIFY(savePreset(written, source, path));

    PRESET_HEADER header;
    tcParamMap loaded;
    QCOMPARE(loadPreset(header, loaded, path), PRESET_SUCCESS);
    QCOMPARE(header.nameString(), QByteArray("Round Trip"));
    QCOMPARE(header.valid, quint8(1));
    for (const fixture::tcValue& value : CHANGED_VALUES) {
        if (value.isSwitch)
            QCOMPARE(loaded.getBool(value.id), value.value != 0);
        else
            QCOMPARE(std::lround(loaded.getFloat(value.id) * 100.0), std::lround(double(value.value) * 100.0));
    }
    QCOMPARE(header.checksum[0], fixture::settingsCrc(CHANGED_VALUES));
    QCOMPARE(header.count[0], quint16(30));
    QCOMPARE(header.checksum[1], fixture::gainCrc(-5.0f));
}

void tst_PresetFile::checksumsOfLoadedValues()
{
    const QString path = m_dir.filePath("checksums.k7");
    QVERIFY(fixture::writeFile(path, DEFAULT_FILE));
    PRESET_HEADER header;
    header.flags = 7;
    tcParamMap set;
    storeValues(set, CHANGED_VALUES);
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    verifyValues(set, fixture::DEFAULT_VALUES);
    QCOMPARE(header.checksum[0], fixture::settingsCrc(fixture::DEFAULT_VALUES));
    QCOMPARE(header.checksum[1], fixture::gainCrc(20.0f));
    QCOMPARE(header.checksum[2], 0u);
    QCOMPARE(header.checksum[3], 0u);
    QCOMPARE(header.count[0], quint16(30));
    QCOMPARE(header.count[1], quint16(9));
    QCOMPARE(header.count[2], quint16(0));
    QCOMPARE(header.count[3], quint16(0));
    QCOMPARE(header.valid, quint8(1));
    QCOMPARE(header.flags, quint8(0));
}

void tst_PresetFile::header_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("name") << QByteArray("K7 PRESET FILE:Voice One: \r\n") << PRESET_SUCCESS << QByteArray("Voice One");
    QTest::newRow("50 characters cut to 40")
        << QByteArray("K7 PRESET FILE:ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmn: \r\n") << PRESET_SUCCESS
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    QTest::newRow("lower case") << QByteArray("k7 preset file:Voice: \r\n") << PRESET_INVALID_FILE << QByteArray();
    QTest::newRow("space before colon") << QByteArray("K7 PRESET FILE :Voice: \r\n") << PRESET_INVALID_FILE << QByteArray();
    QTest::newRow("no colon") << QByteArray("K7 PRESET FILE\r\n2100:+5.00\r\n") << PRESET_SUCCESS << QByteArray();
    QTest::newRow("one colon") << QByteArray("K7 PRESET FILE:Solo\n") << PRESET_SUCCESS << QByteArray("Solo");
    QTest::newRow("third field ignored") << QByteArray("K7 PRESET FILE:A:B:C\r\n") << PRESET_SUCCESS << QByteArray("A");
    QTest::newRow("empty file") << QByteArray() << PRESET_INVALID_FILE << QByteArray();
    QTest::newRow("value line first") << QByteArray("2100:+5.00\r\n") << PRESET_INVALID_FILE << QByteArray();
}

void tst_PresetFile::header()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QByteArray, name);

    const QString path = m_dir.filePath("header.k7");
    QVERIFY(fixture::writeFile(path, file));
    PRESET_HEADER header = PRESET_HEADER::fresh();
    tcParamMap set;
    QCOMPARE(loadPreset(header, set, path), status);
    QCOMPARE(header.nameString(), name);
    QCOMPARE(header.valid, quint8(status == PRESET_SUCCESS ? 1 : 0));
    QCOMPARE(presetStatusText(status), status == PRESET_SUCCESS ? QString("Success") : QString("Invalid File Type"));
}

void tst_PresetFile::readPresetNameReadsOnlyTheHeader()
{
    const QString path = m_dir.filePath("name.k7");
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:Only Name: \r\n2100:+5.00 // In Gain \r\n"));
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.checksum[0] = 1234;
    QCOMPARE(readPresetName(header, path), PRESET_SUCCESS);
    QCOMPARE(header.nameString(), QByteArray("Only Name"));
    QCOMPARE(header.checksum[0], 0u);
    QCOMPARE(header.count[0], quint16(0));
    QCOMPARE(header.valid, quint8(0));

    QVERIFY(fixture::writeFile(path, "PRESET:x\r\n"));
    header.setName("stale");
    QCOMPARE(readPresetName(header, path), PRESET_INVALID_FILE);
    QVERIFY(isAllZero(header));

    QCOMPARE(readPresetName(header, m_dir.filePath("missing.k7")), PRESET_SUCCESS);
    QVERIFY(isAllZero(header));
}

void tst_PresetFile::invalidFileLeavesSetAndZeroHeader()
{
    const QString path = m_dir.filePath("invalid.k7");
    QVERIFY(fixture::writeFile(path, "k7 preset file:x: \r\n2100:+5.00 // In Gain \r\n2101:1\r\n"));
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName("before");
    header.checksum = {1, 2, 3, 4};
    tcParamMap set;
    QCOMPARE(loadPreset(header, set, path), PRESET_INVALID_FILE);
    QVERIFY(isAllZero(header));
    verifyValues(set, fixture::DEFAULT_VALUES);
}

void tst_PresetFile::headerOnlyLeavesValues()
{
    const QString path = m_dir.filePath("headeronly.k7");
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:Empty: \r\n"));
    PRESET_HEADER header;
    tcParamMap set;
    storeValues(set, CHANGED_VALUES);
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    QCOMPARE(header.nameString(), QByteArray("Empty"));
    verifyValues(set, CHANGED_VALUES);
    QCOMPARE(header.checksum[0], fixture::settingsCrc(CHANGED_VALUES));
}

void tst_PresetFile::valueLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("id");
    QTest::addColumn<float>("value"); // a switch: 0 or 1

    QTest::newRow("id 0000 skipped") << QByteArray("0000:+5.00 // In Gain ") << 2100 << 20.0f;
    QTest::newRow("comment skipped") << QByteArray("// 2100:+5.00") << 2100 << 20.0f;
    QTest::newRow("blank line skipped") << QByteArray("") << 2100 << 20.0f;
    QTest::newRow("abc reads as 0") << QByteArray("2100:abc") << 2100 << 0.0f;
    QTest::newRow("empty value reads as 0") << QByteArray("2100:") << 2100 << 0.0f;
    QTest::newRow("no colon reads as 0") << QByteArray("2100") << 2100 << 0.0f;
    QTest::newRow("65636 is id 100, skipped") << QByteArray("65636:+5.00") << 2100 << 20.0f;
    QTest::newRow("67636 is id 2100") << QByteArray("67636:+5.00") << 2100 << 5.0f;
    QTest::newRow("-63436 is id 2100") << QByteArray("-63436:+6.00") << 2100 << 6.0f;
    QTest::newRow("leading white space") << QByteArray(" \t2100: +7.00 // In Gain ") << 2100 << 7.0f;
    QTest::newRow("signed id") << QByteArray("+2100:8") << 2100 << 8.0f;
    QTest::newRow("exponent") << QByteArray("2100:1e1") << 2100 << 10.0f;
    QTest::newRow("digits end the number") << QByteArray("2100x:12.5dB") << 2100 << 12.0f;
    QTest::newRow("above the limit conditioned") << QByteArray("2100:+99.00") << 2100 << 70.0f;
    QTest::newRow("off grid conditioned") << QByteArray("9004:-5.30") << 9004 << -5.5f;
    QTest::newRow("nan conditioned") << QByteArray("2100:nan") << 2100 << -10.0f;
    QTest::newRow("2101:7 on") << QByteArray("2101:7") << 2101 << 1.0f;
    QTest::newRow("6100:0 off") << QByteArray("6100:0 // EQ Pre DYN ") << 6100 << 0.0f;
    QTest::newRow("switch value -1 on") << QByteArray("3100:-1") << 3100 << 1.0f;
    QTest::newRow("switch value 0.9 off") << QByteArray("3100:0.9") << 3100 << 0.0f;
    QTest::newRow("unknown id 1234") << QByteArray("1234:1") << 2100 << 20.0f;
}

void tst_PresetFile::valueLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, id);
    QFETCH(float, value);

    const QString path = m_dir.filePath("line.k7");
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:Lines: \r\n" + line + "\r\n"));
    PRESET_HEADER header;
    tcParamMap set;
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    if (paramType(quint16(id)) == TYPE_BOOL)
        QCOMPARE(set.getBool(quint16(id)), value != 0.0f);
    else
        COMPARE_EXACT(set.getFloat(quint16(id)), value);
}

void tst_PresetFile::lastLineWinsAndSetIsNeverReset()
{
    const QString path = m_dir.filePath("repeat.k7");
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:Twice: \r\n2100:+5.00\r\n9004:-3.00\r\n2100:+6.00\r\n"));
    PRESET_HEADER header;
    tcParamMap set;
    set.setBool(2101, true, TO_GUI);
    set.setFloat(8104, 480.0f, TO_GUI);
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    COMPARE_EXACT(set.getFloat(2100), 6.0f);
    COMPARE_EXACT(set.getFloat(9004), -3.0f);
    QCOMPARE(set.getBool(2101), true);
    COMPARE_EXACT(set.getFloat(8104), 480.0f);
}

void tst_PresetFile::lfOnlyReadsLikeCrLf()
{
    QByteArray lfOnly = DEFAULT_FILE;
    lfOnly.replace("\r\n", "\n");
    QByteArray changed = lfOnly;
    changed.replace("2100:+20.00", "2100:-4.00").replace("6101:0", "6101:1");
    const QString lfPath = m_dir.filePath("lf.k7");
    const QString crLfPath = m_dir.filePath("crlf.k7");
    QVERIFY(fixture::writeFile(lfPath, changed));
    QByteArray changedCrLf = changed;
    QVERIFY(fixture::writeFile(crLfPath, changedCrLf.replace("\n", "\r\n")));

    PRESET_HEADER lfHeader;
    PRESET_HEADER crLfHeader;
    tcParamMap lfSet;
    tcParamMap crLfSet;
    storeValues(lfSet, CHANGED_VALUES);
    storeValues(crLfSet, CHANGED_VALUES);
    QCOMPARE(loadPreset(lfHeader, lfSet, lfPath), PRESET_SUCCESS);
    QCOMPARE(loadPreset(crLfHeader, crLfSet, crLfPath), PRESET_SUCCESS);
    QCOMPARE(lfHeader.nameString(), QByteArray("Voice One"));
    QCOMPARE(crLfHeader.nameString(), QByteArray("Voice One"));
    COMPARE_EXACT(lfSet.getFloat(2100), -4.0f);
    QCOMPARE(lfSet.getBool(6101), true);
    for (const fixture::tcValue& value : fixture::DEFAULT_VALUES)
        QCOMPARE(lfSet.getPosition(value.id), crLfSet.getPosition(value.id));
    QCOMPARE(lfHeader.checksum, crLfHeader.checksum);
}

void tst_PresetFile::longLineIsReadInPieces()
{
    // 1,023 bytes fill the first piece; what follows on the same line is a line of its own.
    const QByteArray filler(1023, ' ');
    const QString path = m_dir.filePath("long.k7");
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:Long: \r\n" + filler + "2100:+7.00\r\n" + filler + "x2101:1\r\n"));
    PRESET_HEADER header;
    tcParamMap set;
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    COMPARE_EXACT(set.getFloat(2100), 7.0f);
    QCOMPARE(set.getBool(2101), false);

    // A header line longer than a piece still reads its name from the first piece.
    const QByteArray longName = "K7 PRESET FILE:" + QByteArray(2000, 'N') + ": \r\n";
    QVERIFY(fixture::writeFile(path, longName));
    QCOMPARE(loadPreset(header, set, path), PRESET_SUCCESS);
    QCOMPARE(header.nameString(), QByteArray(40, 'N'));
}

void tst_PresetFile::missingFileLoadsAsSuccess()
{
    PRESET_HEADER header;
    header.setName("stale");
    tcParamMap set;
    set.setFloat(2100, -5.0f, TO_GUI);
    QCOMPARE(loadPreset(header, set, m_dir.filePath("qsave_a.k7")), PRESET_SUCCESS);
    QCOMPARE(header.nameString(), QByteArray());
    QCOMPARE(header.valid, quint8(1));
    COMPARE_EXACT(set.getFloat(2100), -5.0f);
    std::array<fixture::tcValue, std::size(fixture::DEFAULT_VALUES)> expected;
    std::copy(std::begin(fixture::DEFAULT_VALUES), std::end(fixture::DEFAULT_VALUES), expected.begin());
    expected[0].value = -5.0f;
    QCOMPARE(header.checksum[0], fixture::settingsCrc(expected));
    QCOMPARE(header.checksum[1], fixture::gainCrc(-5.0f));
    QCOMPARE(header.count[1], quint16(9));
}

void tst_PresetFile::savingToUncreatableFileFails()
{
    const QString path = m_dir.filePath("no such folder/x.k7");
    QVERIFY(!savePreset(PRESET_HEADER::fresh(), tcParamMap(), path));
    QVERIFY(!QFile::exists(path));
}

void tst_PresetFile::renameKeepsValues()
{
    const QString path = m_dir.filePath("rename.k7");
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName("Old Name");
    tcParamMap set;
    storeValues(set, CHANGED_VALUES);
    QVERIFY(savePreset(header, set, path));
    const QByteArray before = fixture::readFile(path);

    QVERIFY(renamePresetInFile(path, "New Name"));
    QByteArray expected = before;
    expected.replace("K7 PRESET FILE:Old Name: ", "K7 PRESET FILE:New Name: ");
    QCOMPARE(fixture::readFile(path), expected);
}

void tst_PresetFile::renameLeavesOtherFilesUntouched()
{
    const QString path = m_dir.filePath("notes.k7");
    const QByteArray notes = "shopping list\r\n2100:+5.00\r\n";
    QVERIFY(fixture::writeFile(path, notes));
    QVERIFY(!renamePresetInFile(path, "New Name"));
    QCOMPARE(fixture::readFile(path), notes);

    const QString missing = m_dir.filePath("missing-rename.k7");
    QVERIFY(!renamePresetInFile(missing, "New Name"));
    QVERIFY(!QFile::exists(missing));
}

void tst_PresetFile::copyParametersNotifiesWithToBoth()
{
    tcParamMap source;
    source.setFloat(2100, -5.0f, TO_GUI);
    source.setBool(8100, true, TO_GUI);
    source.setFloat(9004, -5.5f, TO_GUI);
    tcParamMap destination;
    tcRecorder recorder;
    destination.setNotify(&tcRecorder::notify, &recorder);

    QCOMPARE(copyParameters(&destination, &source), 0);
    const QList<QPair<int, int>> expected{{2100, TO_BOTH}, {8100, TO_BOTH}, {9004, TO_BOTH}};
    QCOMPARE(recorder.calls, expected);
    for (const fixture::tcValue& value : fixture::DEFAULT_VALUES)
        QCOMPARE(destination.getPosition(value.id), source.getPosition(value.id));
}

void tst_PresetFile::copyParametersNeedsBothSets()
{
    tcParamMap set;
    QCOMPARE(copyParameters(nullptr, &set), -1);
    QCOMPARE(copyParameters(&set, nullptr), -1);
    setLiveMap(nullptr);
    QCOMPARE(applyToLive(&set), -1);
}

void tst_PresetFile::applyToLiveStoresIntoLiveSet()
{
    tcParamMap live;
    tcRecorder recorder;
    live.setNotify(&tcRecorder::notify, &recorder);
    setLiveMap(&live);
    tcParamMap preset;
    storeValues(preset, CHANGED_VALUES);
    QCOMPARE(applyToLive(&preset), 0);
    setLiveMap(nullptr);
    verifyValues(live, CHANGED_VALUES);
    QCOMPARE(recorder.calls.size(), 31);
    for (const QPair<int, int>& call : recorder.calls)
        QCOMPARE(call.second, int(TO_BOTH));
}

QTEST_MAIN(tst_PresetFile)
#include "tst_preset_file.moc"
