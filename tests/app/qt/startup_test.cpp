#include <QFileInfo>
#include <QProcess>
#include <QtTest>

// Starts the real program the way a user would, next to the test programs'
// folder in the build tree.
class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutADisplayItExplainsAndFails() {
        const QString program = QCoreApplication::applicationDirPath() + "/../tessarine";
        if (!QFileInfo::exists(program)) {
            QSKIP("the program is not built in this tree");
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {});
        QVERIFY(process.waitForFinished(30000));

        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        const QString message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        QVERIFY2(message.contains(QStringLiteral("display")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("DISPLAY")), qPrintable(message));
        // One plain sentence, not the toolkit's plugin warnings.
        QCOMPARE(message.count(QLatin1Char('\n')), 0);
        QVERIFY2(!message.contains(QStringLiteral("qt.qpa")), qPrintable(message));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
