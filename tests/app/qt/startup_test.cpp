#include <signal.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Starts the real program the way a user would, next to the test programs'
// folder in the build tree.
class StartupTest : public QObject {
    Q_OBJECT
  private:
    static QString Program() { return QCoreApplication::applicationDirPath() + "/../tessarine"; }

  private slots:
    // The whole start-up, its helper threads included, and a quit on the
    // desktop's request: a clean exit and nothing said.
    void itStartsAndEndsCleanlyOnRequest() {
        if (!QFileInfo::exists(Program())) QSKIP("the program is not built in this tree");
        QTemporaryDir settings;
        QVERIFY(settings.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TESSARINE_REGISTRY_DIR"), settings.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(Program(), {});
        QVERIFY(process.waitForStarted(30000));
        QVERIFY(!process.waitForFinished(2000));  // still running: the window is up
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(30000));

        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(!errors.contains(QStringLiteral("Sanitizer")), qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("runtime error")), qPrintable(errors));
    }

    void withoutADisplayItExplainsAndFails() {
        const QString program = Program();
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
