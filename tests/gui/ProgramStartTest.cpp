// SPDX-License-Identifier: GPL-3.0-or-later
// What the program takes from around it when it starts: nothing from its command line, not even
// the options Qt would honour for itself; and where it keeps and finds the records.

#include "gui/RecordsFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    // Qt would end a program at once that asks for a platform it does not have; the game never
    // passes its command line on, so it starts on the platform of its environment and keeps
    // running until it is closed.
    void qtsOwnCommandLineOptionsAreNotHonoured() {
        QTemporaryDir Runtime;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime.path());
        QProcess Game;
        Game.setProcessEnvironment(Environment);
        Game.setProcessChannelMode(QProcess::MergedChannels);
        Game.start(QStringLiteral(TARNWICK_ASSETS "/tarnwick"),
                   {QStringLiteral("-platform"), QStringLiteral("no-such-platform"),
                    QStringLiteral("-reverse"), QStringLiteral("-qwindowtitle"), QStringLiteral("Other")});
        QVERIFY(Game.waitForStarted(5000));
        const bool Ended = Game.waitForFinished(3000);
        const QByteArray Said = Game.readAll();
        Game.kill();
        Game.waitForFinished(5000);
        QVERIFY2(!Ended, Said.constData());
        QVERIFY2(!Said.contains("no-such-platform"), Said.constData());
    }

    // Beside the executable when its folder can be written and it is not installed; the player's
    // own folder otherwise, and then the records already beside a game of its own folder are read
    // until the player's folder has its own.
    void theRecordsAreKeptAndFoundWhereThePlayerExpects() {
        const struct {
            bool Writable, Installed;
            RecordsPlace Place;
            bool ReadsBeside;
        } Cases[] = {
            {true, false, RecordsPlace::BesideExecutable, false},
            {false, false, RecordsPlace::PlayerData, true},
            {true, true, RecordsPlace::PlayerData, false},
            {false, true, RecordsPlace::PlayerData, false},
        };
        for (const auto& C : Cases) {
            QCOMPARE(ChooseRecordsPlace(C.Writable, C.Installed), C.Place);
            QCOMPARE(ReadsRecordsBesideExecutable(C.Writable, C.Installed), C.ReadsBeside);
        }
        QTemporaryDir Own;
        QVERIFY(EarlierRecordsFolder(Own.path(), false).empty());
        QVERIFY(EarlierRecordsFolder(Own.path(), true).empty());
        QCOMPARE(RecordsFolder(Own.path(), false), std::filesystem::path(Own.path().toStdString()));
    }
};

QTEST_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
