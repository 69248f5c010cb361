#include "gqgui/display_edit_dlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString DEFAULT_EXPRESSION = QStringLiteral("-?\\d*\\.\\d+");
}

class tst_DisplayEditDlg : public QObject
{
    Q_OBJECT

private slots:
    void isASmallFramelessDialog()
    {
        QWidget parent;
        tcDisplayEditDlg dialog(&parent, QStringLiteral("dB"), DEFAULT_EXPRESSION);
        QCOMPARE(dialog.size(), QSize(95, 32));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog.edit()->geometry(), QRect(0, 0, 65, 16));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.okButton()->isDefault());
    }

    void onlyWhatTheExpressionAllowsCanBeTyped_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << DEFAULT_EXPRESSION << "12.5" << "12.5";
        QTest::newRow("negative") << DEFAULT_EXPRESSION << "-3.25" << "-3.25";
        QTest::newRow("letters refused") << DEFAULT_EXPRESSION << "ab" << "";
        QTest::newRow("trailing letter refused") << DEFAULT_EXPRESSION << "1.5x" << "1.5";
        QTest::newRow("case-sensitive expression") << "[A-Z]+" << "abCD" << "CD";
    }

    void onlyWhatTheExpressionAllowsCanBeTyped()
    {
        QFETCH(QString, expression);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        tcDisplayEditDlg dialog(nullptr, QString(), expression);
        QTest::keyClicks(dialog.edit(), typed);
        QCOMPARE(dialog.text(), shown);
    }

    void okAcceptsAndCancelRejects_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Ok") << true;
        QTest::newRow("Cancel") << false;
    }

    void okAcceptsAndCancelRejects()
    {
        QFETCH(bool, ok);
        QWidget parent;
        tcDisplayEditDlg dialog(&parent, QStringLiteral("Hz"), DEFAULT_EXPRESSION);
        QTimer::singleShot(0, &dialog, [&dialog, ok] {
            QTest::keyClicks(dialog.edit(), QStringLiteral("12.5"));
            QTest::mouseClick(ok ? dialog.okButton() : dialog.cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(dialog.text(), QStringLiteral("12.5"));
    }

    void placeMapsThePointThroughTheParent()
    {
        QWidget parent;
        parent.move(200, 100);
        parent.resize(300, 200);
        tcDisplayEditDlg dialog(&parent, QString(), DEFAULT_EXPRESSION);
        dialog.place(QPoint(30, 40));
        QCOMPARE(dialog.pos(), parent.mapToGlobal(QPoint(30, 40)));
    }
};

QTEST_MAIN(tst_DisplayEditDlg)
#include "tst_displayeditdlg.moc"
