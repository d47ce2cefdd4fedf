// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

constexpr char kMachineHive[] = "HKEY_LOCAL_MACHINE.reg";
constexpr char kUserHive[] = "HKEY_CURRENT_USER.reg";
// The user a test run as root becomes, so that a read-only folder is one.
constexpr uid_t kUnprivileged = 65534;

// A settings record of the wrong type: the program says so in a message box
// while its main window is being built.
constexpr char kRefusedSettings[] =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n"
    "\"AppDefaultsRec\"=\"hello\"\n";
// A donation answer that asks for nothing more: no reminder and nothing to
// store at the end.
constexpr char kSettledDonation[] =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_CURRENT_USER\\Software\\tessarine]\n\n"
    "[HKEY_CURRENT_USER\\Software\\tessarine\\DonateForm]\n"
    "\"DonateStatus\"=dword:00000003\n"
    "\"DonateLastPrompt\"=dword:0000b523\n";

QMap<QString, QByteArray> FolderContents(const QString& path) {
    QMap<QString, QByteArray> contents;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(entry.filePath());
        contents.insert(entry.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return contents;
}

// Whether the process has its own handler for `signal`, from its SigCgt mask.
bool Catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:")) continue;
        bool ok = false;
        const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && ((mask >> (signal - 1)) & 1U) != 0;
    }
    return false;
}

bool WaitUntilCatching(const QProcess& process, int signal) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && process.state() == QProcess::Running) {
        if (Catches(process.processId(), signal)) return true;
        QThread::usleep(200);
    }
    return false;
}

}  // namespace

// Starts the real program the way a user would, next to the test programs'
// folder in the build tree.
class StartupTest : public QObject {
    Q_OBJECT
  private:
    static QString Program() { return QCoreApplication::applicationDirPath() + "/../tessarine"; }

  private slots:
    // The desktop's request to end (a logout, a service stop, a plain kill)
    // ends the program at once at every stage, with a clean exit, nothing
    // said and the settings files as they were.
    void itEndsCleanlyOnRequestAtEveryStage() {
        struct Stage {
            const char* name;
            const char* machineHive;  // null: none
            const char* userHive;     // null: none
            bool readOnlyFolder;
            int signalAfterMs;  // from the moment the program catches the signal
        };
        const Stage stages[] = {
            {"in the main window, first run", nullptr, nullptr, false, 2000},
            {"as soon as it can catch the request", kRefusedSettings, kSettledDonation, false, 0},
            {"while the start-up message is up", kRefusedSettings, kSettledDonation, false, 1500},
            // The state of a first run is due to be stored, and cannot be.
            {"at exit with a read-only settings folder", nullptr, nullptr, true, 2000},
        };
        QVERIFY2(QFileInfo::exists(Program()), "the program is not built in this tree");
        for (const Stage& stage : stages) {
            QTemporaryDir settings;
            QVERIFY(settings.isValid());
            const auto seed = [&](const char* name, const char* content) {
                if (content == nullptr) return;
                QFile file(settings.filePath(QString::fromLatin1(name)));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(content);
            };
            seed(kMachineHive, stage.machineHive);
            seed(kUserHive, stage.userHive);
            const QMap<QString, QByteArray> before = FolderContents(settings.path());
            const bool dropPrivileges = stage.readOnlyFolder && ::geteuid() == 0;
            if (dropPrivileges) {
                QVERIFY(::chown(QFile::encodeName(settings.path()).constData(), kUnprivileged,
                                kUnprivileged) == 0);
            }
            if (stage.readOnlyFolder) {
                QVERIFY(QFile::setPermissions(settings.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                                   QFile::ReadOther |
                                                                   QFile::ExeOther));
            }

            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("TESSARINE_REGISTRY_DIR"), settings.path());
            QProcess process;
            process.setProcessEnvironment(environment);
            if (dropPrivileges) {
                process.setChildProcessModifier([] {
                    if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivileged) != 0 ||
                        ::setuid(kUnprivileged) != 0) {
                        ::_exit(125);
                    }
                });
            }
            // The ordinary user may not reach the build tree (a checkout under
            // root's home): it runs a copy from a folder it can open.
            QTemporaryDir programCopy;
            QString program = Program();
            if (dropPrivileges) {
                program = programCopy.filePath(QStringLiteral("tessarine"));
                QVERIFY(QFile::copy(Program(), program));
                QVERIFY(QFile::setPermissions(
                    programCopy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther));
                QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner |
                                                           QFile::ReadOther | QFile::ExeOther));
            }
            process.start(program, {});
            QVERIFY2(process.waitForStarted(30000), stage.name);
            QVERIFY2(WaitUntilCatching(process, SIGTERM), stage.name);
            if (stage.signalAfterMs > 0) {
                QVERIFY2(!process.waitForFinished(stage.signalAfterMs), stage.name);
            }
            ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
            QVERIFY2(process.waitForFinished(10000), stage.name);

            const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
            const QString said = QStringLiteral("%1; it said: %2").arg(stage.name, errors);
            QVERIFY2(
                process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                qPrintable(QStringLiteral("exit code %1 %2").arg(process.exitCode()).arg(said)));
            QVERIFY2(!errors.contains(QStringLiteral("Sanitizer")), qPrintable(said));
            QVERIFY2(!errors.contains(QStringLiteral("runtime error")), qPrintable(said));
            const QMap<QString, QByteArray> after = FolderContents(settings.path());
            for (auto file = before.cbegin(); file != before.cend(); ++file) {
                QVERIFY2(after.value(file.key()) == file.value(),
                         qPrintable(file.key() + QStringLiteral(" changed ") + stage.name));
            }
        }
    }

    void withoutADisplayItExplainsAndFails() {
        const QString program = Program();
        QVERIFY2(QFileInfo::exists(program), "the program is not built in this tree");
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
