// The window and the player's files: what could not be read is named and kept, a close whose
// saving failed asks first, and litter of interrupted writes goes at the start.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "stats/drill_deck.h"
#include "tests/read_failure.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

TEST_F(WindowTest, FilesThatCannotBeReadAreNamedOnceAndComeThroughUnchanged) {
    WriteSettings("UserName\tdefault\nAssist\t2\n");
    window->flow().userStats.N = 6;
    ASSERT_TRUE(window->flow().userStats.Save(Dir()));
    window->comStats().N = 40;
    ASSERT_TRUE(window->comStats().Save(Dir()));
    DrillDeck drill;
    drill.name = "default";
    ASSERT_TRUE(drill.Save(Dir()));
    const char* names[] = {"QTW.ini",     "StatMan.txt", "StatMan.log",
                           "StatCom.txt", "StatCom.log", "Drill.txt"};
    std::vector<QByteArray> before;
    for (const char* name : names) before.push_back(Contents(File(name)));
    {
        FailReadsOf failing(
            {Dir() + "QTW.ini", Dir() + "StatMan.txt", Dir() + "StatCom.log", Dir() + "Drill.txt"});
        const SeenBox seen = AnswerNextBox([&] { Open(); });
        EXPECT_EQ(seen.title, "エラー");
        for (const char* name :
             {"QTW.ini", "StatMan.txt", "StatMan.log", "StatCom.log", "Drill.txt"})
            EXPECT_TRUE(seen.text.contains(File(name))) << name << " " << seen.text.toStdString();
        EXPECT_FALSE(seen.text.contains(File("StatCom.txt")));
        EXPECT_EQ(window->flow().userStats.N, 0);
        EXPECT_EQ(window->comStats().N, 40);

        // Games, a user switch there and back (read and failing again), and the close: nothing
        // is asked again and nothing is written over the files.
        NoModalExpected quiet;
        window->flow().userStats.N = 2;
        EXPECT_TRUE(window->SwitchUser("hanako"));
        EXPECT_TRUE(window->SwitchUser("default"));
        window->flow().userStats.N = 3;
        window->show();
        window->close();
        EXPECT_FALSE(window->isVisible());
    }
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(Contents(File(names[i])), before[i]) << names[i];
    NoModalExpected quiet;
    Open();
    EXPECT_EQ(window->flow().userStats.N, 6);
    EXPECT_EQ(window->settings().Assist, 2);
}

TEST_F(WindowTest, AFailedSaveAtCloseAsksToRetryToCloseAnywayOrToStay) {
    window->flow().userStats.N = 4;
    ASSERT_TRUE(QDir(dir.path()).mkdir("StatMan.txt"));  // no file can replace a directory
    window->show();
    const SeenBox stay = AnswerNextBox([&] { window->close(); }, QMessageBox::Cancel);
    EXPECT_EQ(stay.title, "エラー");
    EXPECT_TRUE(window->isVisible());

    {
        // The player frees the place and tries again.
        OnNextModal<QMessageBox> retry([&](QMessageBox* box) {
            QDir(dir.path()).rmdir("StatMan.txt");
            box->button(QMessageBox::Retry)->click();
        });
        window->close();
    }
    EXPECT_FALSE(window->isVisible());
    Open();
    EXPECT_EQ(window->flow().userStats.N, 4);

    window->flow().userStats.N = 9;
    ASSERT_TRUE(QFile::remove(File("StatMan.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("StatMan.txt"));
    window->show();
    AnswerNextBox([&] { window->close(); }, QMessageBox::Close);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo(File("StatMan.txt")).isDir());
}

TEST_F(WindowTest, TemporaryFilesOfAnInterruptedWriteGoAtTheStart) {
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForFinished(5000));
    const QString stale = File("StatMan.txt.tmp") + QString::number(ended.processId()) + "-0";
    QFile litter(stale);
    ASSERT_TRUE(litter.open(QIODevice::WriteOnly));
    litter.write("N\t3\n");
    litter.close();
    Open();
    EXPECT_FALSE(QFile::exists(stale));
}

}  // namespace
}  // namespace mizaro::testing
