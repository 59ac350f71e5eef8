#pragma once

#include "Controls.h"
#include "E2eFixture.h"
#include "ModalAnswers.h"

#include "traffic/nts/FrmNTS.h"
#include "traffic/nts/Radiogram.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace vellicor::test::ntsexample {

// The radiogram of the complete example as a message file, number "12".
inline const QByteArray kFile = "12\r\nR (Routine)\r\n\r\nW1AW\r\n4\r\nDENVER CO\r\n1430Z\r\n12/05/2026\r\n"
                                "JOHN DOE\r\n12 MAIN ST .AA.\r\nBOULDER\r\nCO\r\n80302\r\n(303) 555-1212 .BT.\r\n"
                                "ARRIVED SAFE LOVE BOB .BT.\r\nMARY\r\n";

// What the TNC receives when it is sent with the start-up send options: the
// number read as "12" goes out as "012", the text is reflowed at 70.
inline const QByteArray kTransmission = QByteArray("\x03") + "CONV\r" + "ST 80302 @NTSCO\r" + "QTC 1 BOULDER, CO\r"
    + "012 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r" + "\r" + "JOHN DOE\r" + "12 MAIN ST\r" + "BOULDER, CO, 80302\r"
    + "(303) 555-1212  BT\r" + "\r" + "ARRIVED SAFE LOVE BOB\r\n" + "  BT\r" + "\r" + "MARY\r\x1a" + "\r";

// The title line that follows the send command on the board.
inline const QByteArray kTitleLine = "QTC 1 BOULDER, CO\r";

inline QAction* formAction(FrmNTS& form, const char* name)
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the NTS form from the main menu and loads the example file (or a
// file of these bytes) as NTS12.txt through the real open dialog.
inline void openInForm(E2eFixture& program, const QTemporaryDir& dir, FrmNTS*& form,
                       const QByteArray& bytes = kFile)
{
    const QString path = dir.filePath(QStringLiteral("NTS12.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    action(program.window(), QStringLiteral("mnuNTS"))->trigger();
    QVERIFY(named<FrmNTS>(program.window(), QStringLiteral("frmNTS")));
    QVERIFY(named<FrmNTS>(program.window(), QStringLiteral("frmNTS"))->isVisible());
    ModalAnswers dialog({chooseFile(path)});
    formAction(*named<FrmNTS>(program.window(), QStringLiteral("frmNTS")), "mnuFileOpen")->trigger();
    QCOMPARE(dialog.unexpected(), 0);
    QVERIFY(dialog.allTaken());
    QCOMPARE(named<FrmNTS>(program.window(), QStringLiteral("frmNTS"))->radiogram().msgNum, QStringLiteral("012"));
    form = named<FrmNTS>(program.window(), QStringLiteral("frmNTS"));
}

} // namespace vellicor::test::ntsexample
