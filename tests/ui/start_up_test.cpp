#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "app/ui/single_instance.h"
#include "app/ui/user_dialog.h"

namespace mizaro {
namespace {

TEST(SingleInstanceTest, OneHolderAtATimeAndTheLockIsFreedAtTheEnd) {
    QTemporaryDir dir;
    {
        SingleInstance first(dir.path());
        EXPECT_TRUE(first.acquired());
        SingleInstance second(dir.path());
        EXPECT_FALSE(second.acquired());
    }
    SingleInstance later(dir.path());
    EXPECT_TRUE(later.acquired());
}

TEST(SingleInstanceTest, ALockLeftByAnEndedProcessIsTakenOver) {
    QTemporaryDir dir;
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForFinished(5000));
    const qint64 gone = ended.processId() != 0 ? ended.processId() : 999999;
    QFile lock(dir.filePath(QString::fromLatin1(kInstanceLockName)));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + "\nmizaro\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    SingleInstance next(dir.path());
    EXPECT_TRUE(next.acquired());
}

TEST(SingleInstanceTest, ASecondProgramEndsAtOnceWhileTheFirstHoldsTheLock) {
    QTemporaryDir runtime;
    QTemporaryDir data;
    SingleInstance first(runtime.path());
    ASSERT_TRUE(first.acquired());
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(data.path());
    second.start(QStringLiteral(MIZARO_PROGRAM), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
}

// A logout or `kill` saves what a close saves and ends the program normally.
TEST(ProgramEndTest, TermAndIntSaveAndEndTheProgramNormally) {
    for (int sig : {SIGTERM, SIGINT}) {
        QTemporaryDir runtime, data;
        // A program keeps its files beside itself where it may write: a copy gets a folder.
        const QString program = data.filePath(QStringLiteral("mizaro"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MIZARO_PROGRAM), program));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(program, {});
        // The window writes the tile pictures after the signals are caught.
        const QDir pictures(data.filePath(QStringLiteral("img")));
        for (int i = 0; i < 1000 && pictures.entryList({QStringLiteral("*.gif")}).isEmpty(); ++i)
            QThread::msleep(20);
        ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), sig), 0);
        ASSERT_TRUE(process.waitForFinished(20000)) << sig;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << sig;
        EXPECT_EQ(process.exitCode(), 0) << sig;
        for (const char* file : {"QTW.ini", "StatMan.txt", "StatMan.log", "StatCom.txt"})
            EXPECT_TRUE(QFile::exists(data.filePath(QString::fromLatin1(file)))) << file << sig;
    }
}

TEST(UserDialogTest, ListsAddsAndDeletesUsers) {
    QTemporaryDir dir;
    const std::string directory = dir.path().toStdString() + "/";
    UserDialog dialog({"alice", "bob"}, "bob", directory);
    EXPECT_EQ(dialog.windowTitle(), "ユーザの設定");
    QListWidget* list = dialog.listWidget();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "default");
    EXPECT_EQ(list->item(1)->text(), "bob");
    EXPECT_EQ(list->currentRow(), 1);

    EXPECT_EQ(dialog.AddTyped(QStringLiteral("\u3000ta ro ")), AddUserOutcome::kAdded);
    EXPECT_EQ(dialog.chosenName(), "taro");
    EXPECT_EQ(list->currentItem()->text(), "taro");
    EXPECT_TRUE(QFile::exists(dir.filePath("StatMan_taro.txt")));
    EXPECT_EQ(dialog.AddTyped(QStringLiteral("a/b")), AddUserOutcome::kRefused);
    EXPECT_EQ(dialog.AddTyped(QStringLiteral("bo b")), AddUserOutcome::kDuplicate);
    EXPECT_EQ(list->count(), 4);

    dialog.DeleteConfirmed();
    EXPECT_FALSE(QFile::exists(dir.filePath("StatMan_taro.txt")));
    EXPECT_EQ(dialog.chosenName(), "default");
    list->setCurrentRow(0);
    dialog.DeleteConfirmed();
    EXPECT_EQ(list->count(), 3);
}

}  // namespace
}  // namespace mizaro
