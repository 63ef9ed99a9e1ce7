// The program ended as a logout or `kill` ends it: it saves what a close saves and exits
// normally, instead of dying with the games of the run in memory.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

namespace mizaro {
namespace {

TEST(QuitSignalTest, TermAndIntSaveAndEndTheProgramNormally) {
    for (int sig : {SIGTERM, SIGINT}) {
        QTemporaryDir runtime;
        QTemporaryDir data;
        // A program keeps its files beside itself where it may write: a copy gets a folder.
        const QString program = data.filePath(QStringLiteral("mizaro"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MIZARO_PROGRAM), program));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(program, {});  // the shanten table is found in the working directory
        ASSERT_TRUE(process.waitForStarted(10000));
        // The tile pictures are written by the window, after the signals are caught.
        const QDir pictures(data.filePath(QStringLiteral("img")));
        QElapsedTimer waited;
        waited.start();
        while (pictures.entryList({QStringLiteral("*.gif")}).isEmpty() && waited.elapsed() < 20000)
            QThread::msleep(20);
        ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), sig), 0);
        ASSERT_TRUE(process.waitForFinished(20000)) << sig;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << sig;
        EXPECT_EQ(process.exitCode(), 0) << sig;
        for (const char* file : {"QTW.ini", "StatMan.txt", "StatMan.log", "StatCom.txt"})
            EXPECT_TRUE(QFile::exists(data.filePath(QString::fromLatin1(file)))) << file << sig;
    }
}

}  // namespace
}  // namespace mizaro
