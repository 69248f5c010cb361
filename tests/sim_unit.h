#pragma once

// k7sim started for one test on its own loopback address, talking verbosely so that its
// account of the conversation can be checked and is printed when the test fails.

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

class tcSimUnit
{
public:
    explicit tcSimUnit(const QStringList& args)
    {
        m_process.setProgram(QStringLiteral(K7SIM_PATH));
        m_process.setArguments(args + QStringList{QStringLiteral("--verbose")});
        m_process.start();
    }
    ~tcSimUnit()
    {
        m_process.write("quit\n");
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
        if (QTest::currentTestFailed())
            qWarning("k7sim said:\n%s%s", (m_output + m_process.readAllStandardOutput()).constData(),
                     m_process.readAllStandardError().constData());
    }
    tcSimUnit(const tcSimUnit&) = delete;
    tcSimUnit& operator=(const tcSimUnit&) = delete;

    bool waitListening() { return waitFor("listening on", 10000); }
    // Waits until the unit has printed text (reading what it prints meanwhile).
    bool waitFor(const QByteArray& text, int ms = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!output().contains(text) && timer.elapsed() < ms)
            QTest::qWait(20);
        return output().contains(text);
    }
    // Everything printed so far.
    const QByteArray& output()
    {
        m_output += m_process.readAllStandardOutput();
        return m_output;
    }
    // One line on the unit's front panel.
    void command(const QByteArray& line) { m_process.write(line + '\n'); }

private:
    QProcess m_process;
    QByteArray m_output;
};
