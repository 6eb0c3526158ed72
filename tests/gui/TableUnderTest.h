// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests of the real table share: the table in virtual time on a records folder of
// its own, and its widgets found by name.

#include "gui/FrmTable.h"
#include "gui/QtClock.h"

#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <memory>
#include <utility>

namespace tarnwick::test {

class TableUnderTest {
protected:
    std::unique_ptr<QTemporaryDir> Records;
    std::unique_ptr<FrmTable> Table;

    template <class T = QWidget> T* Find(const QString& Name) {
        T* Found = Table->findChild<T*>(Name);
        if (!Found) qFatal("no %s on the table", qPrintable(Name));
        return Found;
    }
    QString Text(const QString& Name) { return Find<QLabel>(Name)->text(); }
    QString Status() { return Text(QStringLiteral("StatusPanel2")); }
    bool StartedUp() { return Status() == QStringLiteral("Press F2 for new game or go to Game menu!"); }

    // A records folder of the test's own, made before the table opens on it.
    void NewRecords() {
        Records = std::make_unique<QTemporaryDir>();
        QVERIFY(Records->isValid());
    }

    // Opens the table, on screen On if one is named; start-up goes on in the background. No Time
    // means the real clock.
    void Open(uint64_t Seed, QScreen* On = nullptr,
              std::unique_ptr<TableClock> Time = std::make_unique<QtVirtualClock>()) {
        Table = std::make_unique<FrmTable>(QStringLiteral(TARNWICK_ASSETS), Records->path().toStdString(),
                                           Seed, std::move(Time));
        if (On) Table->setScreen(On);
        Table->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Table.get()));
    }

    // Opens the table and waits for start-up to end with the pack on the table.
    void OpenTable(uint64_t Seed, QScreen* On = nullptr) {
        Open(Seed, On);
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
    }

    // Whatever the closed table left queued runs before its records folder goes.
    void CloseTable() {
        Table.reset();
        QTest::qWait(10);
        Records.reset();
    }
};

} // namespace tarnwick::test
