#include "presets/preset_error.h"
#include "presets/preset_status.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// Status texts and the text of the preset error box.
class tst_PresetError : public QObject {
    Q_OBJECT

private slots:
    void statusText_data();
    void statusText();
    void errorText_data();
    void errorText();
    void boxIsAWarningTitledError();
};

void tst_PresetError::statusText_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "Success";
    QTest::newRow("1") << 1 << "Invalid File Type";
    QTest::newRow("2") << 2 << "Unknown Error";
    QTest::newRow("-1") << -1 << "Unknown Error";
}

void tst_PresetError::statusText()
{
    QFETCH(int, status);
    QFETCH(QString, text);

    QCOMPARE(presetStatusText(status), text);
}

void tst_PresetError::errorText_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("take") << QString(TAKE_ERROR_FORMAT) << 1 << "Error taking preset:\nInvalid File Type";
    QTest::newRow("take, unknown") << QString(TAKE_ERROR_FORMAT) << 5 << "Error taking preset:\nUnknown Error";
    QTest::newRow("copy") << copyErrorFormat("Voice One") << 1 << "Error copying preset:\nVoice One\nInvalid File Type";
    QTest::newRow("copy, item text with %s") << copyErrorFormat("50%s off") << 1
                                             << "Error copying preset:\n50%s off\nInvalid File Type";
}

void tst_PresetError::errorText()
{
    QFETCH(QString, format);
    QFETCH(int, status);
    QFETCH(QString, text);

    QCOMPARE(presetErrorText(format, status), text);
}

void tst_PresetError::boxIsAWarningTitledError()
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    reportPresetError(nullptr, TAKE_ERROR_FORMAT, 1);
    QCOMPARE(title, QString("Error"));
    QCOMPARE(text, QString("Error taking preset:\nInvalid File Type"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(tst_PresetError)
#include "tst_preset_error.moc"
