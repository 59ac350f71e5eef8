#pragma once

#include "TestFiles.h"
#include "practice/MessageStore.h"
#include "practice/PracticeStations.h"
#include "practice/PracticeTnc.h"

#include <QDir>
#include <QTemporaryDir>

namespace vellicor::test {

// A practice TNC with its stations and a board store in a fresh folder, on a
// fixed clock (12 May 2026, 14:30) so nothing depends on the real time.
struct PracticeRig {
    static QDateTime fixedTime() { return QDateTime(QDate(2026, 5, 12), QTime(14, 30, 0), Qt::UTC); }

    QTemporaryDir folder;
    QDateTime now = fixedTime();
    PracticeClock clock = [this] { return now; };
    MessageStore store{folder.path()};
    PracticeStations stations{store, clock};
    PracticeTnc tnc{stations, clock};

    PracticeRig() { store.open(); }

    QByteArray send(const QByteArray& bytes) { return tnc.receive(bytes); }

    // The bytes of message `number` as stored on disk, or "<missing>".
    QByteArray stored(int number) const { return fileBytes(store.pathOf(number)); }

    QStringList messageFiles() const
    {
        return QDir(folder.path()).entryList({QStringLiteral("msg*.txt")}, QDir::Files, QDir::Name);
    }
};

} // namespace vellicor::test
